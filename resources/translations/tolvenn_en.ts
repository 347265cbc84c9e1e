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
        <translation>Popping oddfish</translation>
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
    <name>Tolvenn</name>
    <message>
        <source>速さ...</source>
        <translation>&amp;Speed...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>No Timers Left</source>
        <translation>No Timers Left</translation>
    </message>
    <message>
        <source>Seed %1</source>
        <translation>Seed %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Step one tick</source>
        <translation>S&amp;tep one tick</translation>
    </message>
    <message>
        <source>Census...</source>
        <translation>C&amp;ensus...</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>M&amp;ute</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>&amp;Full screen</translation>
    </message>
    <message>
        <source>Zoom %1×</source>
        <translation>&amp;Zoom %1×</translation>
    </message>
    <message>
        <source>%1 (paused)</source>
        <translation>%1 (paused)</translation>
    </message>
    <message>
        <source>Tolvenn census</source>
        <translation>Tolvenn census</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>Tick</translation>
    </message>
    <message>
        <source>Creatures</source>
        <translation>Creatures</translation>
    </message>
    <message>
        <source>Per tick</source>
        <translation>Per tick</translation>
    </message>
    <message>
        <source>Highest generation</source>
        <translation>Highest generation</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Seed</translation>
    </message>
    <message>
        <source>Tank</source>
        <translation>Tank</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>&amp;Export...</translation>
    </message>
    <message>
        <source>no ticks in the last few seconds</source>
        <translation>no ticks in the last few seconds</translation>
    </message>
    <message>
        <source>%1 births, %2 deaths</source>
        <translation>%1 births, %2 deaths</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 pixels</translation>
    </message>
    <message>
        <source>Export census</source>
        <translation>Export census</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Comma-separated values (*.csv)</translation>
    </message>
    <message>
        <source>The census could not be written to %1: %2</source>
        <translation>The census could not be written to %1: %2</translation>
    </message>
    <message>
        <source>tick %1</source>
        <translation>tick %1</translation>
    </message>
    <message>
        <source>%1: %2 at tick %3</source>
        <translation>%1: %2 at tick %3</translation>
    </message>
    <message>
        <source>Open tank...</source>
        <translation>Open tank...</translation>
    </message>
    <message>
        <source>Save tank...</source>
        <translation>Save tank...</translation>
    </message>
    <message>
        <source>Open tank</source>
        <translation>Open tank</translation>
    </message>
    <message>
        <source>Save tank</source>
        <translation>Save tank</translation>
    </message>
    <message>
        <source>Tolvenn tanks (*.tank)</source>
        <translation>Tolvenn tanks (*.tank)</translation>
    </message>
    <message>
        <source>The tank could not be saved to %1:
%2</source>
        <translation>The tank could not be saved to %1:
%2</translation>
    </message>
    <message>
        <source>The tank could not be opened from %1:
%2</source>
        <translation>The tank could not be opened from %1:
%2</translation>
    </message>
    <message>
        <source>There is not enough memory to open the tank.</source>
        <translation>There is not enough memory to open the tank.</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>it is larger than %1 bytes</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>it is not an ordinary file</translation>
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
</context>
</TS>
