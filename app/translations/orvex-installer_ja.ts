<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: orvex-installer [--uninstall] [--drive PATH]...
       orvex-installer --unattended --drive PATH --password yes|no [--passcode DIGITS]
                       [--eject]
       orvex-installer --uninstall --unattended --drive PATH [--eject]

Installs the Orvex Tessary web application on a PSP memory stick, or removes it.

Options:
  --drive PATH          Lists PATH in the drive list; a mounted volume already
                        listed is listed once. Repeatable. The first --drive is
                        chosen at start. Without one, a PSP memory stick (a volume
                        holding a PSP folder) that is there at start or that
                        appears while nothing is chosen becomes the choice. A chosen
                        drive that goes leaves nothing chosen.
  --unattended          Installs to the one --drive PATH without a window: the
                        confirmation is taken as given, information is printed to
                        standard output and failures to standard error. Exit status:
                        0 installed, 1 failed, 2 wrong command line, 3 installed but
                        not ejected (--eject).
  --password yes|no     With --unattended: whether the bookmark opens the passcode
                        page.
  --passcode DIGITS     With --password yes: the passcode (4 to 8 digits) that opens
                        Orvex Tessary on the PSP. Without it the passcode already on
                        the stick is kept; if there is none, a random 4-digit one is
                        made and printed.
  --eject               With --unattended: once installed or removed, unmounts the
                        stick through the system&apos;s disk service (UDisks2) and powers
                        it off or ejects it, so that it is safe to remove, and says
                        so. A drive the disk service does not manage is not ejected.
  --uninstall           Removes PSP/COMMON/Orvex and the Orvex bookmark instead of
                        installing, leaving everything else on the stick as it was.
                        Exit status with --unattended: 0 removed or nothing there,
                        1 failed, 2 wrong command line, 3 removed but not ejected.
  -h, --help            Shows this help.
  -v, --version         Shows the version.
</source>
        <translation>使い方: orvex-installer [--uninstall] [--drive PATH]...
        orvex-installer --unattended --drive PATH --password yes|no
                        [--passcode DIGITS] [--eject]
        orvex-installer --uninstall --unattended --drive PATH [--eject]

PSP のメモリースティックに Web アプリケーション Orvex Tessary を
インストールします。削除もできます。

オプション:
  --drive PATH          PATH をドライブの一覧に加えます。すでに一覧にある
                        マウント済みのボリュームは、1 つにまとめます。
                        複数回指定できます。起動時には最初の --drive が
                        選ばれます。指定がないときは、起動時にある、または
                        何も選ばれていない間に現れた PSP の
                        メモリースティック（PSP フォルダーのあるボリューム）
                        が選ばれます。選ばれていたドライブがなくなると、
                        何も選ばれていない状態になります。
  --unattended          ウィンドウを出さずに、ただ 1 つの --drive PATH に
                        インストールします。確認は済んだものとみなし、
                        情報は標準出力に、失敗は標準エラー出力に書きます。
                        終了ステータス: 0 インストール完了、1 失敗、
                        2 コマンドラインの誤り、3 インストールしたが
                        取り出せなかった（--eject）。
  --password yes|no     --unattended と使います。ブックマークがパスコードの
                        ページを開くかどうかを指定します。
  --passcode DIGITS     --password yes と使います。PSP で Orvex Tessary を
                        開くパスコード（4～8 桁）です。指定がないときは、
                        メモリースティックにあるパスコードをそのまま使い、
                        それもなければ 4 桁のパスコードをランダムに作って
                        表示します。
  --eject               --unattended と使います。インストールまたは削除が
                        終わったら、システムのディスクサービス（UDisks2）を
                        使ってメモリースティックをアンマウントし、電源を
                        切るか取り出して、安全に抜ける状態にしてから、
                        そのことを表示します。ディスクサービスが管理して
                        いないドライブは取り出しません。
  --uninstall           インストールの代わりに、PSP/COMMON/Orvex と Orvex の
                        ブックマークを削除します。メモリースティックの
                        ほかの内容はそのままです。--unattended のときの
                        終了ステータス: 0 削除完了または削除対象なし、
                        1 失敗、2 コマンドラインの誤り、3 削除したが
                        取り出せなかった。
  -h, --help            このヘルプを表示します。
  -v, --version         バージョンを表示します。
</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>予期しない引数です: %1</translation>
    </message>
    <message>
        <source>--drive needs a path.</source>
        <translation>--drive にはパスが必要です。</translation>
    </message>
    <message>
        <source>--password and --passcode are only for --unattended.</source>
        <translation>--password と --passcode は --unattended と一緒にしか使えません。</translation>
    </message>
    <message>
        <source>--eject is only for --unattended.</source>
        <translation>--eject は --unattended と一緒にしか使えません。</translation>
    </message>
    <message>
        <source>--unattended needs exactly one --drive PATH.</source>
        <translation>--unattended には --drive PATH がちょうど 1 つ必要です。</translation>
    </message>
    <message>
        <source>--uninstall takes no --password or --passcode.</source>
        <translation>--uninstall には --password も --passcode も指定できません。</translation>
    </message>
    <message>
        <source>--unattended needs --password yes or --password no.</source>
        <translation>--unattended には --password yes か --password no が必要です。</translation>
    </message>
    <message>
        <source>--passcode goes with --password yes.</source>
        <translation>--passcode は --password yes と一緒に指定します。</translation>
    </message>
    <message>
        <source>--passcode needs one passcode of 4 to 8 digits.</source>
        <translation>--passcode には 4～8 桁のパスコードを 1 つ指定してください。</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>詳しくは「%1 --help」を実行してください。</translation>
    </message>
    <message>
        <source>Stopped while the stick was not answering; the next installation or removal cleans up what was left.</source>
        <translation>メモリースティックが応答しないまま中止しました。次回のインストールまたは削除で、残ったものを片付けます。</translation>
    </message>
    <message>
        <source>%1 Yes</source>
        <comment>a question, answered</comment>
        <translation>%1 はい</translation>
    </message>
    <message>
        <source>%1 No</source>
        <comment>a question, answered</comment>
        <translation>%1 いいえ</translation>
    </message>
    <message>
        <source>The passcode is %1.</source>
        <translation>パスコードは %1 です。</translation>
    </message>
    <message>
        <source>Installing onto %1.</source>
        <translation>%1 にインストールしています。</translation>
    </message>
    <message>
        <source>Installed onto %1.</source>
        <translation>%1 にインストールしました。</translation>
    </message>
    <message>
        <source>The passcode already on the stick is kept: %1.</source>
        <translation>メモリースティックにあるパスコード（%1）をそのまま使います。</translation>
    </message>
</context>
<context>
    <name>EjectMessages</name>
    <message>
        <source>the disk service did not answer</source>
        <translation>ディスクサービスが応答しませんでした</translation>
    </message>
    <message>
        <source>The stick was ejected. You can now leave USB mode on the PSP.</source>
        <translation>メモリースティックを取り出しました。PSP の USB モードを終了できます。</translation>
    </message>
    <message>
        <source>The stick could not be ejected: %1. Close the programs that use it, then eject it from your file manager.</source>
        <translation>メモリースティックを取り出せませんでした（%1）。使用中のプログラムを閉じてから、ファイルマネージャーで取り出してください。</translation>
    </message>
    <message>
        <source>The stick was not ejected: the system&apos;s disk service does not manage %1.</source>
        <translation>メモリースティックは取り出していません。%1 はシステムのディスクサービスが管理していません。</translation>
    </message>
    <message>
        <source>The stick was not ejected: %1 is on one of the system&apos;s own disks.</source>
        <translation>メモリースティックは取り出していません。%1 はシステム自身のディスク上にあります。</translation>
    </message>
</context>
<context>
    <name>InstallMessages</name>
    <message>
        <source>the stick returned fewer bytes than the file holds</source>
        <translation>メモリースティックから返ったバイト数がファイルの大きさより少なくなっています</translation>
    </message>
    <message>
        <source>its first line is longer than 64 KiB</source>
        <translation>1 行目が 64 KiB を超えています</translation>
    </message>
    <message>
        <source>is a link; the installer does not follow links on the drive</source>
        <translation>リンクです。インストーラーはドライブ上のリンクをたどりません</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>has %1 names (hard links); the installer changes only a file with one name.<byte value="xd"/>
Make it a file of its own (put a copy in its place), then install again.</source>
        <translation>名前が %1 個あります（ハードリンク）。インストーラーが変更するのは、名前が 1 つだけのファイルです。<byte value="xd"/>
単独のファイルにして（コピーで置き換えて）から、もう一度インストールしてください。</translation>
    </message>
    <message>
        <source>is UTF-16 text; the installer adds its bookmark only to single-byte text.<byte value="xd"/>
Save it as single-byte text (ASCII or UTF-8), then install again.</source>
        <translation>UTF-16 のテキストです。インストーラーがブックマークを追加できるのは、1 バイト単位の文字コードのテキストだけです。<byte value="xd"/>
ASCII か UTF-8 で保存し直してから、もう一度インストールしてください。</translation>
    </message>
    <message>
        <source> (the file could not be restored)</source>
        <translation>（ファイルを元に戻せませんでした）</translation>
    </message>
    <message>
        <source>The stick is write-protected or mounted read-only.</source>
        <translation>メモリースティックが書き込み禁止か、読み取り専用でマウントされています。</translation>
    </message>
    <message>
        <source>This user may not write there: run the installer as a user who may, or change the permissions.</source>
        <translation>このユーザーにはそこへ書き込む権限がありません。書き込めるユーザーでインストーラーを実行するか、権限を変更してください。</translation>
    </message>
    <message>
        <source>The stick is full: free some room on it and try again.</source>
        <translation>メモリースティックがいっぱいです。空きを作ってから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The stick did not read or write as asked: check that it is still connected, then try again.</source>
        <translation>メモリースティックの読み書きが正しく行われませんでした。接続されたままか確認してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The installer may not open enough files at once: raise the limit of open files (ulimit -n), then try again.</source>
        <translation>インストーラーが同時に開けるファイルの数が足りません。開けるファイル数の上限（ulimit -n）を上げてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The system has too many files open: close some programs, then try again.</source>
        <translation>システムで開いているファイルが多すぎます。いくつかのプログラムを閉じてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>On the PSP, choose Settings, then USB Connection, and pass the folder where its stick is mounted with --drive.</source>
        <translation>PSP で「設定」の「USB接続」を選び、メモリースティックがマウントされたフォルダーを --drive で指定してください。</translation>
    </message>
    <message>
        <source>On the PSP, choose Settings, then USB Connection, and choose the drive that appears.</source>
        <translation>PSP で「設定」の「USB接続」を選び、表示されたドライブを選んでください。</translation>
    </message>
    <message>
        <source>The drive %1 is not there: it was disconnected, or its name is mistyped.</source>
        <translation>ドライブ %1 が見つかりません。接続が外れたか、名前が間違っています。</translation>
    </message>
    <message>
        <source>Another installation or removal on this drive is running.</source>
        <translation>このドライブでは、別のインストールまたは削除が実行中です。</translation>
    </message>
    <message>
        <source>The stick is write-protected or mounted read-only: nothing can be written to %1.<byte value="xd"/>
Make it writable, then try again.</source>
        <translation>メモリースティックが書き込み禁止か、読み取り専用でマウントされているため、%1 には何も書き込めません。<byte value="xd"/>
書き込めるようにしてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The bookmark page %1/%2 is missing or empty.<byte value="xd"/>
The installer&apos;s own files are incomplete: install the installer again.</source>
        <translation>ブックマークのページ %1/%2 が見つからないか、空です。<byte value="xd"/>
インストーラー自身のファイルがそろっていません。インストーラーをインストールし直してください。</translation>
    </message>
    <message>
        <source>The drive %1 has no PSP folder, so it is not a PSP memory stick.<byte value="xd"/>
%2</source>
        <translation>ドライブ %1 には PSP フォルダーがないため、PSP のメモリースティックではありません。<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>holds a control character, which the stick cannot store</source>
        <translation>メモリースティックに保存できない制御文字を含んでいます</translation>
    </message>
    <message>
        <source>holds &quot;%1&quot;, which the stick cannot store</source>
        <translation>メモリースティックに保存できない「%1」を含んでいます</translation>
    </message>
    <message>
        <source>ends with a dot or a space, which the stick drops</source>
        <translation>末尾がピリオドか空白です。メモリースティックではこれが削られます</translation>
    </message>
    <message>
        <source>is longer than %1 characters, the longest name the installer can write to the stick</source>
        <translation>%1 文字を超えています。インストーラーがメモリースティックに書き込める名前は、この長さまでです</translation>
    </message>
    <message>
        <source>The stick did not keep what was written to %1: it may be failing or not as large as it says.</source>
        <translation>%1 に書き込んだ内容がメモリースティックに残っていません。故障しているか、表示どおりの容量がない可能性があります。</translation>
    </message>
    <message>
        <source>fewer bytes could be read than the file holds</source>
        <translation>ファイルの大きさより少ないバイト数しか読み取れませんでした</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> ほか %1 件</translation>
    </message>
    <message>
        <source>The destination is the folder being copied.</source>
        <translation>コピー先が、コピーするフォルダーそのものです。</translation>
    </message>
    <message>
        <source>The destination lies inside the folder being copied.</source>
        <translation>コピー先が、コピーするフォルダーの中にあります。</translation>
    </message>
    <message>
        <source>Nothing on the stick was changed.</source>
        <translation>メモリースティックの内容は何も変わっていません。</translation>
    </message>
    <message>
        <source>Removed 1 file left by an interrupted installation.</source>
        <translation>中断されたインストールが残したファイルを 1 個削除しました。</translation>
    </message>
    <message>
        <source>Removed %1 files left by an interrupted installation.</source>
        <translation>中断されたインストールが残したファイルを %1 個削除しました。</translation>
    </message>
    <message>
        <source>The Orvex folder could not be copied to %1/PSP/COMMON/.</source>
        <translation>Orvex フォルダーを %1/PSP/COMMON/ にコピーできませんでした。</translation>
    </message>
    <message>
        <source>The bookmark could not be added to %1/PSP/SYSTEM/BROWSER/bookmarks.html.</source>
        <translation>%1/PSP/SYSTEM/BROWSER/bookmarks.html にブックマークを追加できませんでした。</translation>
    </message>
    <message>
        <source>: the installer writes this file itself</source>
        <translation>: このファイルはインストーラー自身が書き込みます</translation>
    </message>
    <message>
        <source>These entries of the Orvex folder cannot be installed:<byte value="xd"/>
</source>
        <translation>Orvex フォルダーの次の項目はインストールできません：<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Rename or remove them in %1, then install again.</source>
        <translation><byte value="xd"/>
%1 でこれらの名前を変えるか削除してから、もう一度インストールしてください。</translation>
    </message>
    <message>
        <source>Some files the installer wrote could not be removed: %1</source>
        <translation>インストーラーが書き込んだファイルの一部を削除できませんでした：%1</translation>
    </message>
    <message>
        <source>The Orvex folder on the stick was updated; no bookmark was added.</source>
        <translation>メモリースティックの Orvex フォルダーは更新されましたが、ブックマークは追加されていません。</translation>
    </message>
    <message>
        <source>%1 of the %2 files were updated before the failure: %3.</source>
        <translation>失敗する前に、%2 個のファイルのうち %1 個が更新されました：%3。</translation>
    </message>
    <message>
        <source>The bookmark could not be added to %1.</source>
        <translation>%1 にブックマークを追加できませんでした。</translation>
    </message>
    <message>
        <source>Would you like to install with password protection?</source>
        <translation>パスワードで保護してインストールしますか？</translation>
    </message>
    <message>
        <source>Installed onto %1. The Orvex Tessary bookmark opens it with the passcode you chose.</source>
        <translation>%1 にインストールしました。Orvex Tessary のブックマークから、選んだパスコードで開けます。</translation>
    </message>
    <message>
        <source>Installed onto %1. The Orvex Tessary bookmark opens it without a passcode.</source>
        <translation>%1 にインストールしました。Orvex Tessary のブックマークから、パスコードなしで開けます。</translation>
    </message>
    <message>
        <source>Installation complete!<byte value="xd"/>
Thank you for using Orvex.</source>
        <translation>インストールが完了しました！<byte value="xd"/>
Orvex をご利用いただき、ありがとうございます。</translation>
    </message>
    <message>
        <source>To access Orvex, simply choose the Orvex Tessary bookmark in your PSP browser&apos;s bookmark section.</source>
        <translation>Orvex を使うには、PSP のインターネットブラウザーのブックマークから「Orvex Tessary」を選ぶだけです。</translation>
    </message>
    <message>
        <source>Are you sure you want to install Orvex Tessary?</source>
        <translation>Orvex Tessary をインストールしてもよろしいですか？</translation>
    </message>
    <message>
        <source>Installation failed.</source>
        <translation>インストールに失敗しました。</translation>
    </message>
    <message>
        <source>Installation cancelled.</source>
        <translation>インストールをキャンセルしました。</translation>
    </message>
    <message>
        <source>is a folder with the name the installer gives the temporary copy of %1; rename or remove it</source>
        <translation>インストーラーが %1 の一時コピーに付ける名前のフォルダーです。名前を変えるか削除してください</translation>
    </message>
    <message>
        <source>is a link with the name the installer gives the temporary copy of %1; rename or remove it</source>
        <translation>インストーラーが %1 の一時コピーに付ける名前のリンクです。名前を変えるか削除してください</translation>
    </message>
    <message>
        <source>is a special file with the name the installer gives the temporary copy of %1; rename or remove it</source>
        <translation>インストーラーが %1 の一時コピーに付ける名前の特殊ファイルです。名前を変えるか削除してください</translation>
    </message>
    <message>
        <source>is a file, where the installer puts the folder %1 (the stick does not tell names apart by case); rename or remove it</source>
        <translation>インストーラーがフォルダー %1 を置く場所にあるファイルです（メモリースティックは名前の大文字と小文字を区別しません）。名前を変えるか削除してください</translation>
    </message>
    <message>
        <source>is a folder, where the installer puts the file %1 (the stick does not tell names apart by case); rename or remove it</source>
        <translation>インストーラーがファイル %1 を置く場所にあるフォルダーです（メモリースティックは名前の大文字と小文字を区別しません）。名前を変えるか削除してください</translation>
    </message>
    <message>
        <source>is a special file, where the installer puts the folder %1 (the stick does not tell names apart by case); rename or remove it</source>
        <translation>インストーラーがフォルダー %1 を置く場所にある特殊ファイルです（メモリースティックは名前の大文字と小文字を区別しません）。名前を変えるか削除してください</translation>
    </message>
    <message>
        <source>is a special file, where the installer puts the file %1 (the stick does not tell names apart by case); rename or remove it</source>
        <translation>インストーラーがファイル %1 を置く場所にある特殊ファイルです（メモリースティックは名前の大文字と小文字を区別しません）。名前を変えるか削除してください</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>フォルダーではありません</translation>
    </message>
    <message>
        <source>the name is not valid text</source>
        <translation>名前が有効な文字列ではありません</translation>
    </message>
    <message>
        <source>links to folders are not copied</source>
        <translation>フォルダーへのリンクはコピーしません</translation>
    </message>
    <message>
        <source>is a link to nothing</source>
        <translation>リンク先が存在しないリンクです</translation>
    </message>
    <message>
        <source>is 4 GiB or larger; the stick holds files of up to 4 GiB less one byte</source>
        <translation>4 GiB 以上あります。メモリースティックに保存できるのは、4 GiB より 1 バイト小さいファイルまでです</translation>
    </message>
    <message>
        <source>not a regular file or folder</source>
        <translation>通常のファイルでもフォルダーでもありません</translation>
    </message>
    <message>
        <source> and </source>
        <translation> と </translation>
    </message>
    <message>
        <source>: the stick takes these names for one, since it ignores case</source>
        <translation>: メモリースティックは大文字と小文字を区別しないため、これらを同じ名前とみなします</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>files and folders</comment>
        <translation>%1と%2</translation>
    </message>
    <message>
        <source>The Orvex folder could not be removed from %1/PSP/COMMON.</source>
        <translation>%1/PSP/COMMON から Orvex フォルダーを削除できませんでした。</translation>
    </message>
    <message>
        <source>The bookmark could not be taken out of %1/PSP/SYSTEM/BROWSER/bookmarks.html.</source>
        <translation>%1/PSP/SYSTEM/BROWSER/bookmarks.html からブックマークを削除できませんでした。</translation>
    </message>
    <message>
        <source>Removed the Orvex bookmark.</source>
        <translation>Orvex のブックマークを削除しました。</translation>
    </message>
    <message>
        <source>PSP/COMMON/Orvex (%1)</source>
        <translation>PSP/COMMON/Orvex（%1）</translation>
    </message>
    <message>
        <source>%1 from PSP/COMMON/Orvex</source>
        <translation>PSP/COMMON/Orvex の%1</translation>
    </message>
    <message>
        <source>Removed %1 and the Orvex bookmark.</source>
        <translation>%1と Orvex のブックマークを削除しました。</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>%1を削除しました。</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>ほか %1 件</translation>
    </message>
    <message>
        <source>PSP/COMMON/Orvex stays: it holds %1 that Orvex Tessary did not install (%2).</source>
        <translation>PSP/COMMON/Orvex は残します。Orvex Tessary がインストールしたものではない%1が入っています（%2）。</translation>
    </message>
    <message>
        <source>The Orvex bookmark was taken out; PSP/COMMON/Orvex stays as it was.</source>
        <translation>Orvex のブックマークは削除しました。PSP/COMMON/Orvex は元のままです。</translation>
    </message>
    <message>
        <source>The Orvex bookmark was taken out, and %1 of the %2 files of PSP/COMMON/Orvex were removed; the others stay.</source>
        <translation>Orvex のブックマークを削除し、PSP/COMMON/Orvex の %2 個のファイルのうち %1 個を削除しました。残りはそのままです。</translation>
    </message>
    <message>
        <source>%1 of the %2 files of PSP/COMMON/Orvex were removed; the others stay.</source>
        <translation>PSP/COMMON/Orvex の %2 個のファイルのうち %1 個を削除しました。残りはそのままです。</translation>
    </message>
    <message>
        <source>Orvex Tessary is not on this stick: there was nothing to remove.</source>
        <translation>このメモリースティックに Orvex Tessary はありません。削除するものはありませんでした。</translation>
    </message>
    <message>
        <source>Orvex Tessary was removed from the PSP.</source>
        <translation>PSP から Orvex Tessary を削除しました。</translation>
    </message>
    <message>
        <source>Are you sure you want to remove Orvex Tessary from the PSP?</source>
        <translation>PSP から Orvex Tessary を削除してもよろしいですか？</translation>
    </message>
    <message>
        <source>Removal failed.</source>
        <translation>削除に失敗しました。</translation>
    </message>
    <message>
        <source>Removal cancelled.</source>
        <translation>削除をキャンセルしました。</translation>
    </message>
    <message>
        <source>The stick needs %1 more: the installation needs %2 and %3 are free. Free at least %1 and try again.</source>
        <translation>メモリースティックの空きがあと %1 足りません。インストールには %2 必要ですが、空きは %3 です。%1 以上の空きを作ってから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The stick needs %1 more: the removal needs %2 and %3 are free. Free at least %1 and try again.</source>
        <translation>メモリースティックの空きがあと %1 足りません。削除には %2 必要ですが、空きは %3 です。%1 以上の空きを作ってから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>No drive was chosen. Connect the PSP in USB mode and choose its drive.</source>
        <translation>ドライブが選ばれていません。PSP を USB モードで接続し、そのドライブを選んでください。</translation>
    </message>
    <message>
        <source>On the PSP, choose Settings, then USB Connection, and connect it to this computer with a USB cable. Its memory stick appears in the list by itself.</source>
        <translation>PSP で「設定」の「USB接続」を選び、USB ケーブルでこのコンピューターにつないでください。メモリースティックが自動的に一覧に表示されます。</translation>
    </message>
    <message>
        <source>Onto %1 (%2).</source>
        <translation>対象ドライブ：%1（%2）</translation>
    </message>
    <message>
        <source>Onto %1 (%2): %3.</source>
        <translation>対象ドライブ：%1（%2）、%3</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>ファイル %1 個</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>ファイル %1 個</translation>
    </message>
    <message>
        <source>%1 folder</source>
        <translation>フォルダー %1 個</translation>
    </message>
    <message>
        <source>%1 folders</source>
        <translation>フォルダー %1 個</translation>
    </message>
</context>
<context>
    <name>orvex::DriveList</name>
    <message>
        <source>not a PSP stick</source>
        <translation>PSP 以外</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>読み取り専用</translation>
    </message>
    <message>
        <source>too full</source>
        <translation>空き不足</translation>
    </message>
    <message>
        <source>PSP memory stick</source>
        <translation>PSP 用</translation>
    </message>
    <message>
        <source>(checking…)</source>
        <translation>（確認中…）</translation>
    </message>
    <message>
        <source>(not answering)</source>
        <translation>（応答なし）</translation>
    </message>
    <message>
        <source>(cannot be read)</source>
        <translation>（読み取れません）</translation>
    </message>
    <message>
        <source>(not found)</source>
        <translation>（見つかりません）</translation>
    </message>
    <message>
        <source>%1, %2 free</source>
        <comment>state, free room</comment>
        <translation>%1、空き %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>name, state</comment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>%1, %2, %3 free</source>
        <comment>name, state, free room</comment>
        <translation>%1、%2、空き %3</translation>
    </message>
    <message>
        <source>%1, %2, %3 free of %4</source>
        <comment>name, state, free room, size</comment>
        <translation>%1、%2、空き %3／%4</translation>
    </message>
    <message>
        <source>Connect the PSP in USB mode</source>
        <translation>PSP を USB モードで接続してください</translation>
    </message>
</context>
<context>
    <name>orvex::Frm_SkinnedForm</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>インストール</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>ドライブ</translation>
    </message>
    <message>
        <source>Orvex Tessary installer %1</source>
        <translation>Orvex Tessary インストーラー %1</translation>
    </message>
    <message>
        <source>3. Press Remove to remove Orvex Tessary!</source>
        <translation>3.「削除」を押して Orvex Tessary を削除します！</translation>
    </message>
    <message>
        <source>3. Press Install to begin installation!</source>
        <translation>3.「インストール」を押して開始します！</translation>
    </message>
    <message>
        <source>2. Select the drive your PSP is connected to.</source>
        <translation>2. PSP を接続したドライブを選びます。</translation>
    </message>
    <message>
        <source>1. Connect PSP in USB Mode.</source>
        <translation>1. PSP を USB モードで接続します。</translation>
    </message>
    <message>
        <source>Eject the stick now? Then leave USB mode on the PSP.</source>
        <translation>メモリースティックを今すぐ取り出しますか？取り出したら、PSP の USB モードを終了してください。</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>取り出す</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>後で</translation>
    </message>
</context>
<context>
    <name>orvex::PasscodeDialog</name>
    <message>
        <source>Choose the passcode that opens Orvex Tessary on the PSP (4 to 8 digits):</source>
        <translation>PSP で Orvex Tessary を開くパスコード（4～8 桁の数字）を決めてください：</translation>
    </message>
    <message>
        <source>Passcode</source>
        <translation>パスコード</translation>
    </message>
    <message>
        <source>4 to 8 digits</source>
        <translation>4～8 桁の数字</translation>
    </message>
</context>
<context>
    <name>orvex::StickJobDialog</name>
    <message>
        <source>about %1 s left</source>
        <translation>残り約 %1 秒</translation>
    </message>
    <message>
        <source>about %1 min left</source>
        <translation>残り約 %1 分</translation>
    </message>
    <message>
        <source>about %1 h left</source>
        <translation>残り約 %1 時間</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3 of %4 %5</source>
        <translation>ファイル %1/%2 個, %3/%4 %5</translation>
    </message>
    <message>
        <source>Checking the stick…</source>
        <translation>メモリースティックを確認しています…</translation>
    </message>
    <message>
        <source>Copying Orvex…</source>
        <translation>Orvex をコピーしています…</translation>
    </message>
    <message>
        <source>Copying Orvex/%1</source>
        <translation>Orvex/%1 をコピーしています</translation>
    </message>
    <message>
        <source>Removing Orvex/%1</source>
        <translation>Orvex/%1 を削除しています</translation>
    </message>
    <message>
        <source>%1 of %2 files</source>
        <translation>ファイル %1/%2 個</translation>
    </message>
    <message>
        <source>Ejecting the stick…</source>
        <translation>メモリースティックを取り出しています…</translation>
    </message>
    <message>
        <source>Checking what the stick kept…</source>
        <translation>メモリースティックに書き込まれた内容を確認しています…</translation>
    </message>
    <message>
        <source>Writing to the stick…</source>
        <translation>メモリースティックに書き込んでいます…</translation>
    </message>
    <message>
        <source>The stick is not answering. Waiting for it…</source>
        <translation>メモリースティックが応答しません。待っています…</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>停止しています…</translation>
    </message>
    <message>
        <source>Close anyway ends the installer now; the next installation removes what this one left.</source>
        <translation>「強制的に閉じる」を押すと、インストーラーをすぐに終了します。残ったものは次回のインストールで削除されます。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Close anyway</source>
        <translation>強制的に閉じる</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>処理中</translation>
    </message>
</context>
</TS>
