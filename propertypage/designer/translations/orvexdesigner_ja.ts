<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>SkinWidgetPlugin</name>
    <message>
        <source>Skinned title bar, frame and menu bar</source>
        <translation>スキン付きのタイトルバー、枠、メニューバー</translation>
    </message>
    <message>
        <source>Replaces its window&apos;s caption and frame with a skin bitmap and shows the menus of menu.txt in the application folder.</source>
        <translation>ウィンドウのタイトルバーと枠をスキンのビットマップに置き換え、アプリケーションフォルダーにある menu.txt のメニューを表示します。</translation>
    </message>
</context>
<context>
    <name>orvex::MenuItem</name>
    <message>
        <source>No control is selected.</source>
        <translation>コントロールが選択されていません。</translation>
    </message>
    <message>
        <source>The selected %1 &quot;%2&quot; has no property &quot;%3&quot;.</source>
        <translation>選択されている %1「%2」には、プロパティ「%3」がありません。</translation>
    </message>
    <message>
        <source>The property &quot;%1&quot; is not a yes/no value.</source>
        <translation>プロパティ「%1」は、はい／いいえの値ではありません。</translation>
    </message>
    <message>
        <source>The property &quot;%1&quot; could not be set.</source>
        <translation>プロパティ「%1」を設定できませんでした。</translation>
    </message>
    <message>
        <source>The menus were not saved.

%1
%2</source>
        <translation>メニューは保存されませんでした。

%1
%2</translation>
    </message>
    <message>
        <source>Add Menu</source>
        <translation>メニューの追加</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>表示名</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>挿入</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>The menu file could not be read, so the page starts without menus.

%1
%2</source>
        <translation>メニューファイルを読み込めなかったため、メニューなしでページを開きます。

%1
%2</translation>
    </message>
    <message>
        <source>The menu file could not be read when the page opened. Replace it with the menus of this page?

%1</source>
        <translation>ページを開いたときにメニューファイルを読み込めませんでした。このページのメニューで置き換えますか？

%1</translation>
    </message>
</context>
<context>
    <name>orvex::MenuItemDialog</name>
    <message>
        <source>Property Pages</source>
        <translation>プロパティページ</translation>
    </message>
</context>
<context>
    <name>orvex::SkinTaskMenu</name>
    <message>
        <source>Edit Menus...</source>
        <translation>メニューの編集...</translation>
    </message>
</context>
</TS>
