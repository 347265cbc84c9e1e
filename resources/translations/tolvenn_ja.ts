<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="ja_JP">
<context>
    <name>ABOUT</name>
    <message>
        <source>ABOUT</source>
        <translation>ABOUT</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tolvenn - an aquarium of small lives</source>
        <translation>Tolvenn - 小さな命の水族館</translation>
    </message>
</context>
<context>
    <name>IDENSHI</name>
    <message>
        <source>生き物設定</source>
        <translation>生き物設定</translation>
    </message>
    <message>
        <source>個体レベル</source>
        <translation>個体レベル</translation>
    </message>
    <message>
        <source>第</source>
        <translation>第</translation>
    </message>
    <message>
        <source>代目</source>
        <translation>代目</translation>
    </message>
    <message>
        <source>余命</source>
        <translation>余命</translation>
    </message>
    <message>
        <source>(10-30000)</source>
        <translation>(10-30000)</translation>
    </message>
    <message>
        <source>素早さ</source>
        <translation>素早さ</translation>
    </message>
    <message>
        <source>遅い</source>
        <translation>遅い</translation>
    </message>
    <message>
        <source>速い</source>
        <translation>速い</translation>
    </message>
    <message>
        <source>繁殖率</source>
        <translation>繁殖率</translation>
    </message>
    <message>
        <source>高い</source>
        <translation>高い</translation>
    </message>
    <message>
        <source>低い</source>
        <translation>低い</translation>
    </message>
    <message>
        <source>遺伝子レベル</source>
        <translation>遺伝子レベル</translation>
    </message>
    <message>
        <source>家族名</source>
        <translation>家族名</translation>
    </message>
    <message>
        <source>平均寿命</source>
        <translation>平均寿命</translation>
    </message>
    <message>
        <source>成長速度</source>
        <translation>成長速度</translation>
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
        <translation>SPEED</translation>
    </message>
    <message>
        <source>速さ</source>
        <translation>速さ</translation>
    </message>
    <message>
        <source>速い</source>
        <translation>速い</translation>
    </message>
    <message>
        <source>遅い</source>
        <translation>遅い</translation>
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
        <translation>きんぎょ</translation>
    </message>
    <message>
        <source>たつのおとしご</source>
        <translation>たつのおとしご</translation>
    </message>
    <message>
        <source>わにうお</source>
        <translation>わにうお</translation>
    </message>
    <message>
        <source>いか</source>
        <translation>いか</translation>
    </message>
    <message>
        <source>さぶまりん</source>
        <translation>さぶまりん</translation>
    </message>
    <message>
        <source>ポプポプ珍怪魚</source>
        <translation>ポプポプ珍怪魚</translation>
    </message>
    <message>
        <source>つっぱりひとで</source>
        <translation>つっぱりひとで</translation>
    </message>
    <message>
        <source>もすてまっく</source>
        <translation>もすてまっく</translation>
    </message>
    <message>
        <source>ほねうお</source>
        <translation>ほねうお</translation>
    </message>
    <message>
        <source>ちょうちょう魚</source>
        <translation>ちょうちょう魚</translation>
    </message>
    <message>
        <source>河童</source>
        <translation>河童</translation>
    </message>
    <message>
        <source>たこ</source>
        <translation>たこ</translation>
    </message>
    <message>
        <source>くらげ</source>
        <translation>くらげ</translation>
    </message>
    <message>
        <source>くまのみ</source>
        <translation>くまのみ</translation>
    </message>
    <message>
        <source>うに－－</source>
        <translation>うに－－</translation>
    </message>
    <message>
        <source>まりも</source>
        <translation>まりも</translation>
    </message>
    <message>
        <source>たにし</source>
        <translation>たにし</translation>
    </message>
    <message>
        <source>かに</source>
        <translation>かに</translation>
    </message>
    <message>
        <source>くじら</source>
        <translation>くじら</translation>
    </message>
    <message>
        <source>かぶとがに</source>
        <translation>かぶとがに</translation>
    </message>
</context>
<context>
    <name>Tolvenn</name>
    <message>
        <source>速さ...</source>
        <translation>速さ...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>No Timers Left</source>
        <translation>No Timers Left</translation>
    </message>
    <message>
        <source>Seed %1</source>
        <translation>乱数の種 %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止(&amp;P)</translation>
    </message>
    <message>
        <source>Step one tick</source>
        <translation>1 ティック進める(&amp;T)</translation>
    </message>
    <message>
        <source>Census...</source>
        <translation>個体数調査(&amp;E)...</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>消音(&amp;U)</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>全画面(&amp;F)</translation>
    </message>
    <message>
        <source>Zoom %1×</source>
        <translation>拡大 %1×(&amp;Z)</translation>
    </message>
    <message>
        <source>%1 (paused)</source>
        <translation>%1 (一時停止中)</translation>
    </message>
    <message>
        <source>Tolvenn census</source>
        <translation>Tolvenn 個体数調査</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>ティック</translation>
    </message>
    <message>
        <source>Creatures</source>
        <translation>生き物</translation>
    </message>
    <message>
        <source>Per tick</source>
        <translation>1 ティックあたり</translation>
    </message>
    <message>
        <source>Highest generation</source>
        <translation>最も新しい世代</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>乱数の種</translation>
    </message>
    <message>
        <source>Tank</source>
        <translation>水槽</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>書き出し(&amp;E)...</translation>
    </message>
    <message>
        <source>no ticks in the last few seconds</source>
        <translation>この数秒間はティックなし</translation>
    </message>
    <message>
        <source>%1 births, %2 deaths</source>
        <translation>誕生 %1、死亡 %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 ピクセル</translation>
    </message>
    <message>
        <source>Export census</source>
        <translation>個体数調査の書き出し</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>カンマ区切りの値 (*.csv)</translation>
    </message>
    <message>
        <source>The census could not be written to %1: %2</source>
        <translation>個体数調査を %1 に書き出せませんでした: %2</translation>
    </message>
    <message>
        <source>tick %1</source>
        <translation>ティック %1</translation>
    </message>
    <message>
        <source>%1: %2 at tick %3</source>
        <translation>%1: %2 匹 (ティック %3)</translation>
    </message>
    <message>
        <source>Open tank...</source>
        <translation>水槽を開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Save tank...</source>
        <translation>水槽を保存(&amp;S)...</translation>
    </message>
    <message>
        <source>Open tank</source>
        <translation>水槽を開く</translation>
    </message>
    <message>
        <source>Save tank</source>
        <translation>水槽を保存</translation>
    </message>
    <message>
        <source>Tolvenn tanks (*.tank)</source>
        <translation>Tolvenn の水槽 (*.tank)</translation>
    </message>
    <message>
        <source>The tank could not be saved to %1:
%2</source>
        <translation>水槽を %1 に保存できませんでした:
%2</translation>
    </message>
    <message>
        <source>The tank could not be opened from %1:
%2</source>
        <translation>水槽を %1 から開けませんでした:
%2</translation>
    </message>
    <message>
        <source>There is not enough memory to open the tank.</source>
        <translation>水槽を開くためのメモリが足りません。</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>%1 バイトより大きいファイルです</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>フォルダです</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>通常のファイルではありません</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>≡ Window</source>
        <translation>≡ ウィンドウ(&amp;W)</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>元のサイズに戻す(&amp;R)</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化(&amp;X)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
</context>
</TS>
