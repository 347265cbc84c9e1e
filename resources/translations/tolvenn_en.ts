<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>ABOUT</name>
    <message>
        <source>ABOUT</source>
        <translation>About Tolvenn</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tolvenn - an aquarium of small lives</source>
        <translation>Tolvenn - an aquarium of small lives</translation>
    </message>
</context>
<context>
    <name>IDENSHI</name>
    <message>
        <source>生き物設定</source>
        <translation>Creature settings</translation>
    </message>
    <message>
        <source>個体レベル</source>
        <translation>Individual</translation>
    </message>
    <message>
        <source>第</source>
        <translation>Generation</translation>
    </message>
    <message>
        <source>代目</source>
        <translation>of its line</translation>
    </message>
    <message>
        <source>余命</source>
        <translation>&amp;Life left</translation>
    </message>
    <message>
        <source>(10-30000)</source>
        <translation>(10-30000)</translation>
    </message>
    <message>
        <source>素早さ</source>
        <translation>&amp;Speed</translation>
    </message>
    <message>
        <source>遅い</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>速い</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>繁殖率</source>
        <translation>&amp;Breeding rate</translation>
    </message>
    <message>
        <source>高い</source>
        <translation>High</translation>
    </message>
    <message>
        <source>低い</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>遺伝子レベル</source>
        <translation>Genes</translation>
    </message>
    <message>
        <source>家族名</source>
        <translation>&amp;Family name</translation>
    </message>
    <message>
        <source>平均寿命</source>
        <translation>&amp;Average lifespan</translation>
    </message>
    <message>
        <source>成長速度</source>
        <translation>&amp;Growth speed</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>No Timers Left</source>
        <translation>No Timers Left</translation>
    </message>
</context>
<context>
    <name>SPEED</name>
    <message>
        <source>SPEED</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>速さ</source>
        <translation>&amp;Speed</translation>
    </message>
    <message>
        <source>速い</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>遅い</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Species</name>
    <message>
        <source>きんぎょ</source>
        <translation>Goldfish</translation>
    </message>
    <message>
        <source>たつのおとしご</source>
        <translation>Seahorse</translation>
    </message>
    <message>
        <source>わにうお</source>
        <translation>Crocodile fish</translation>
    </message>
    <message>
        <source>いか</source>
        <translation>Squid</translation>
    </message>
    <message>
        <source>さぶまりん</source>
        <translation>Submarine</translation>
    </message>
    <message>
        <source>ポプポプ珍怪魚</source>
        <translation>Pop-pop oddfish</translation>
    </message>
    <message>
        <source>つっぱりひとで</source>
        <translation>Tough starfish</translation>
    </message>
    <message>
        <source>もすてまっく</source>
        <translation>Mostemac</translation>
    </message>
    <message>
        <source>ほねうお</source>
        <translation>Bone fish</translation>
    </message>
    <message>
        <source>ちょうちょう魚</source>
        <translation>Butterflyfish</translation>
    </message>
    <message>
        <source>河童</source>
        <translation>Kappa</translation>
    </message>
    <message>
        <source>たこ</source>
        <translation>Octopus</translation>
    </message>
    <message>
        <source>くらげ</source>
        <translation>Jellyfish</translation>
    </message>
    <message>
        <source>くまのみ</source>
        <translation>Clownfish</translation>
    </message>
    <message>
        <source>うに－－</source>
        <translation>Sea urchin</translation>
    </message>
    <message>
        <source>まりも</source>
        <translation>Moss ball</translation>
    </message>
    <message>
        <source>たにし</source>
        <translation>Mud snail</translation>
    </message>
    <message>
        <source>かに</source>
        <translation>Crab</translation>
    </message>
    <message>
        <source>くじら</source>
        <translation>Whale</translation>
    </message>
    <message>
        <source>かぶとがに</source>
        <translation>Horseshoe crab</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>≡ Window</source>
        <translation>≡ &amp;Window</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>&amp;Restore</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Mi&amp;nimize</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Ma&amp;ximize</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>速さ...</source>
        <translation>&amp;Speed...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>&amp;About...</translation>
    </message>
</context>
</TS>
