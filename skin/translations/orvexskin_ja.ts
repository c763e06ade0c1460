<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>MenuFile</name>
    <message>
        <source>the name contains &quot;!&quot;</source>
        <translation>名前に「!」が含まれています</translation>
    </message>
    <message>
        <source>it contains a line break</source>
        <translation>改行が含まれています</translation>
    </message>
    <message>
        <source>it contains a character that is not single-byte text</source>
        <translation>1 バイト文字ではない文字が含まれています</translation>
    </message>
    <message>
        <source>record %1 cannot be saved: %2</source>
        <translation>%1 番目の項目を保存できません：%2</translation>
    </message>
</context>
<context>
    <name>orvex::CaptionStrip</name>
    <message>
        <source>Title Bar</source>
        <translation>タイトルバー</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Maximise</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>元に戻す</translation>
    </message>
</context>
<context>
    <name>orvex::MenuStrip</name>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
</context>
<context>
    <name>orvex::MessageRequest</name>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
</context>
<context>
    <name>orvex::Skin</name>
    <message>
        <source>Add The Following Lines To your code<byte value="xd"/>
drapler1.init_skin me</source>
        <comment>the second line is code, kept as it is</comment>
        <translation>コードに次の行を追加してください：<byte value="xd"/>
drapler1.init_skin me</translation>
    </message>
</context>
</TS>
