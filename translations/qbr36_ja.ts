<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>EditReports</name>
    <message>
        <source>1 memory</source>
        <translation>1 件のメモリー</translation>
    </message>
    <message>
        <source>%1 memories</source>
        <translation>%1 件のメモリー</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 件のチャンネル</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 件のチャンネル</translation>
    </message>
    <message>
        <source>Nothing to clear: no memory of %1 holds a channel</source>
        <translation>クリアするものはありません: %1 にチャンネルはありません</translation>
    </message>
    <message>
        <source>%1 cleared at %2 — Ctrl+Z undoes</source>
        <translation>%2 の %1 をクリアしました — Ctrl+Z で元に戻せます</translation>
    </message>
    <message>
        <source>%1 pasted at %2 — Ctrl+Z undoes</source>
        <translation>%2 に %1 を貼り付けました — Ctrl+Z で元に戻せます</translation>
    </message>
    <message>
        <source>%1 pasted at %2, replacing %3 — Ctrl+Z undoes</source>
        <translation>%2 に %1 を貼り付け、%3 を置き換えました — Ctrl+Z で元に戻せます</translation>
    </message>
    <message>
        <source>%1 deleted; the memories after it in its bank or area moved up — Ctrl+Z undoes</source>
        <translation>%1 を削除し、同じバンクまたはエリアの後ろのメモリーを詰めました — Ctrl+Z で元に戻せます</translation>
    </message>
    <message numerus="yes">
        <source> — %n rows hidden by the filter left as they were</source>
        <translation>
            <numerusform> — フィルターで隠れた %n 行はそのままです</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>r36::Difference</name>
    <message>
        <source>empty</source>
        <translation>空き</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>未読み込み</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>読み取り不能</translation>
    </message>
    <message>
        <source>byte %1</source>
        <translation>バイト %1</translation>
    </message>
    <message>
        <source>memories</source>
        <translation>メモリー数</translation>
    </message>
    <message>
        <source>banks</source>
        <translation>バンク</translation>
    </message>
    <message>
        <source>pairs</source>
        <translation>ペア</translation>
    </message>
    <message>
        <source>TV channel</source>
        <translation>テレビのチャンネル</translation>
    </message>
    <message>
        <source>PS-link group %1</source>
        <translation>PS リンクグループ %1</translation>
    </message>
    <message>
        <source>%1 -&gt; %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>%1 %2 -&gt; %3</source>
        <translation>%1 %2 → %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <translation>%1: %2 → %3</translation>
    </message>
</context>
<context>
    <name>r36::Failure</name>
    <message>
        <source>greeting</source>
        <translation>挨拶</translation>
    </message>
    <message>
        <source>version query</source>
        <translation>バージョン問い合わせ</translation>
    </message>
    <message>
        <source>reading %1 at %2</source>
        <translation>%1 (%2) の読み込み</translation>
    </message>
    <message>
        <source>writing %1 at %2</source>
        <translation>%1 (%2) の書き込み</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>照合</translation>
    </message>
    <message>
        <source>remote key ID %1</source>
        <translation>リモートキー ID %1</translation>
    </message>
    <message>
        <source>1 memory</source>
        <translation>メモリー 1 件</translation>
    </message>
    <message>
        <source>%1 memories</source>
        <translation>メモリー %1 件</translation>
    </message>
    <message>
        <source>1 bank</source>
        <translation>バンク 1 件</translation>
    </message>
    <message>
        <source>%1 banks</source>
        <translation>バンク %1 件</translation>
    </message>
    <message>
        <source>1 bank-link group</source>
        <translation>バンクリンクグループ 1 件</translation>
    </message>
    <message>
        <source>%1 bank-link groups</source>
        <translation>バンクリンクグループ %1 件</translation>
    </message>
    <message>
        <source>1 PS-link group</source>
        <translation>PS リンクグループ 1 件</translation>
    </message>
    <message>
        <source>%1 PS-link groups</source>
        <translation>PS リンクグループ %1 件</translation>
    </message>
    <message>
        <source>1 setting</source>
        <translation>設定 1 件</translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation>設定 %1 件</translation>
    </message>
    <message>
        <source>1 remote key ID</source>
        <translation>リモートキー ID 1 件</translation>
    </message>
    <message>
        <source>%1 remote key IDs</source>
        <translation>リモートキー ID %1 件</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>verify after writing found %1 that the receiver holds otherwise:</source>
        <translation>書き込み後の照合で、受信機の内容が書き込んだものと異なる項目が見つかりました (%1):</translation>
    </message>
    <message>
        <source>%1: the receiver holds %2, %3 was written</source>
        <translation>%1: 受信機の内容は %2、書き込んだのは %3</translation>
    </message>
    <message>
        <source> (the PROTCT change did not stick on the receiver)</source>
        <translation> (PROTCT の変更が受信機に反映されませんでした)</translation>
    </message>
    <message>
        <source>%1 %2 is not %3</source>
        <translation>%1 %2 は %3 の範囲外です</translation>
    </message>
    <message>
        <source>%1 %2: a decimal comma? write %3</source>
        <translation>%1 %2: 小数点にコンマが使われていませんか? %3 と書いてください</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>%1 を作成できません: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>%1 is %2, not a regular file</source>
        <translation>%1 は%2で、通常のファイルではありません</translation>
    </message>
    <message>
        <source>Can&apos;t open the file.</source>
        <translation>ファイルを開けません。</translation>
    </message>
    <message>
        <source>not a clone file</source>
        <translation>クローンファイルではありません</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message>
        <source>the file ends after line %1; a channel list has %2 lines</source>
        <translation>ファイルが %1 行目で終わっています。チャンネルリストは %2 行です</translation>
    </message>
    <message>
        <source>the file has more than %1 lines</source>
        <translation>ファイルが %1 行を超えています</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>フォルダー %1 を作成できません</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>引用符で囲まれたフィールドが閉じていません</translation>
    </message>
    <message>
        <source>the memory cannot be stored</source>
        <translation>このメモリーは保存できません</translation>
    </message>
    <message>
        <source>%1 cells; a memory row has 12, BANK-CH to Name</source>
        <translation>セルが %1 個です。メモリーの行は BANK-CH から Name までの 12 個です</translation>
    </message>
    <message>
        <source>not a memory record</source>
        <translation>メモリーのレコードではありません</translation>
    </message>
    <message>
        <source>the clipboard holds no memory rows</source>
        <translation>クリップボードにメモリーの行がありません</translation>
    </message>
    <message>
        <source>%1 rows from memory %2 would run past memory %3</source>
        <translation>メモリー %2 からの %1 行はメモリー %3 を超えてしまいます</translation>
    </message>
    <message>
        <source>port error: %1</source>
        <translation>ポートエラー: %1</translation>
    </message>
    <message>
        <source>cannot read from %1 (is the cable unplugged?)</source>
        <translation>%1 から読み込めません (ケーブルが抜けていませんか?)</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>%1 へ書き込めません: %2</translation>
    </message>
    <message>
        <source>%1 is no longer available (is the cable unplugged?)</source>
        <translation>%1 が使えなくなりました (ケーブルが抜けていませんか?)</translation>
    </message>
    <message>
        <source>cannot send</source>
        <translation>送信できません</translation>
    </message>
    <message>
        <source>another command is still waiting for its reply</source>
        <translation>別のコマンドが応答を待っています</translation>
    </message>
    <message>
        <source>no reply within %1 ms</source>
        <translation>%1 ms 以内に応答がありません</translation>
    </message>
    <message>
        <source>reply not framed (no echo of the command)</source>
        <translation>応答の形式が不正です (コマンドのエコーがありません)</translation>
    </message>
    <message>
        <source>reply not framed (no CR LF within %1 ms)</source>
        <translation>応答の形式が不正です (%1 ms 以内に CR LF がありません)</translation>
    </message>
    <message>
        <source>reply not framed</source>
        <translation>応答の形式が不正です</translation>
    </message>
    <message>
        <source>empty reply</source>
        <translation>空の応答</translation>
    </message>
    <message>
        <source>%1, sent twice</source>
        <translation>%1 (2 回送信)</translation>
    </message>
    <message>
        <source>%1; sent again: %2</source>
        <translation>%1。再送: %2</translation>
    </message>
    <message>
        <source>greeting answered &quot;%1&quot; instead of &quot;OK&quot;</source>
        <translation>挨拶への応答が &quot;OK&quot; ではなく &quot;%1&quot; でした</translation>
    </message>
    <message>
        <source>version reply &quot;%1&quot; is not three digits, &quot;-&quot; and two digits, like 002-06</source>
        <translation>バージョン応答 &quot;%1&quot; が 002-06 のような 3 桁・&quot;-&quot;・2 桁の形ではありません</translation>
    </message>
    <message>
        <source>version reply &quot;%1&quot; is out of range</source>
        <translation>バージョン応答 &quot;%1&quot; が範囲外です</translation>
    </message>
    <message>
        <source>bad reply length</source>
        <translation>応答の長さが不正です</translation>
    </message>
    <message>
        <source>bad reply, %1 characters instead of 64</source>
        <translation>不正な応答: 64 文字ではなく %1 文字です</translation>
    </message>
    <message>
        <source>bad reply, not hexadecimal: &quot;%1&quot;</source>
        <translation>不正な応答: 16 進数ではありません: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>receiver answered &quot;%1&quot; instead of &quot;OK&quot;</source>
        <translation>受信機の応答が &quot;OK&quot; ではなく &quot;%1&quot; でした</translation>
    </message>
    <message>
        <source>data &quot;%1&quot; is not 1 to %2 bytes of hexadecimal text; not sent</source>
        <translation>データ &quot;%1&quot; は 1～%2 バイトの 16 進テキストではないため、送信しませんでした</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>中止されました</translation>
    </message>
    <message>
        <source>no memory selected</source>
        <translation>メモリーが選択されていません</translation>
    </message>
    <message>
        <source>memories %1..%2 are outside 0..%3</source>
        <translation>メモリー %1..%2 は 0..%3 の範囲外です</translation>
    </message>
    <message>
        <source>memory %1 is not a user memory</source>
        <translation>メモリー %1 はユーザーメモリーではありません</translation>
    </message>
    <message>
        <source>memories %1..%2 are not user memories</source>
        <translation>メモリー %1..%2 はユーザーメモリーではありません</translation>
    </message>
    <message>
        <source>%1, the last of its bank or area, is in use; nothing moved</source>
        <translation>バンクまたはエリアの最後の %1 が使用中のため、何も移動していません</translation>
    </message>
    <message>
        <source>%1 is at the top of its bank or area</source>
        <translation>%1 はバンクまたはエリアの先頭です</translation>
    </message>
    <message>
        <source>%1 is at the bottom of its bank or area</source>
        <translation>%1 はバンクまたはエリアの末尾です</translation>
    </message>
    <message>
        <source>%1 move only within their bank or area, %2</source>
        <translation>%1 は自分のバンクまたはエリア (%2) の中でしか移動できません</translation>
    </message>
    <message>
        <source>memories %1..%2 span more than one bank or area; select memories within %3..%4 to sort them</source>
        <translation>メモリー %1..%2 は複数のバンクまたはエリアにまたがっています。並べ替えるには %3..%4 の範囲で選択してください</translation>
    </message>
    <message>
        <source>the bank table</source>
        <translation>バンクテーブル</translation>
    </message>
    <message>
        <source>the settings block</source>
        <translation>設定ブロック</translation>
    </message>
    <message>
        <source>the third settings block</source>
        <translation>第 3 設定ブロック</translation>
    </message>
    <message>
        <source>the remote key IDs</source>
        <translation>リモートキー ID</translation>
    </message>
    <message>
        <source>the bank links</source>
        <translation>バンクリンク</translation>
    </message>
    <message>
        <source>bank-link group %1</source>
        <translation>バンクリンクグループ %1</translation>
    </message>
    <message>
        <source>the program-scan links</source>
        <translation>プログラムスキャンリンク</translation>
    </message>
    <message>
        <source>program-scan-link group %1</source>
        <translation>プログラムスキャンリンクグループ %1</translation>
    </message>
    <message>
        <source>memory %1</source>
        <translation>メモリー %1</translation>
    </message>
    <message>
        <source>memories %1..%2</source>
        <translation>メモリー %1..%2</translation>
    </message>
    <message>
        <source>bank-link groups %1..%2</source>
        <translation>バンクリンクグループ %1..%2</translation>
    </message>
    <message>
        <source>program-scan-link groups %1..%2</source>
        <translation>プログラムスキャンリンクグループ %1..%2</translation>
    </message>
    <message>
        <source>%1 (%2 writes)</source>
        <translation>%1 (%2 回の書き込み)</translation>
    </message>
</context>
<context>
    <name>r36::MemoryField</name>
    <message>
        <source>Frequency</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>Subtone</source>
        <translation>サブトーン</translation>
    </message>
    <message>
        <source>TSQ</source>
        <translation>TSQ</translation>
    </message>
    <message>
        <source>DCS</source>
        <translation>DCS</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>トレイン</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>シフト</translation>
    </message>
    <message>
        <source>Offset Freq.</source>
        <translation>オフセット</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>除外</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>auto step</source>
        <translation>自動ステップ</translation>
    </message>
    <message>
        <source>auto mode</source>
        <translation>自動モード</translation>
    </message>
    <message>
        <source>Frequency: 0.100000 to 1299.999999 MHz</source>
        <translation>周波数: 0.100000～1299.999999 MHz</translation>
    </message>
    <message>
        <source>Offset Frequency: 0.000000 to 999.999999 MHz</source>
        <translation>オフセット周波数: 0.000000～999.999999 MHz</translation>
    </message>
    <message>
        <source>Name: the characters from space to ~ only, not &quot;%1&quot;</source>
        <translation>名前: 使える文字はスペースから ~ までです (&quot;%1&quot; は使えません)</translation>
    </message>
    <message>
        <source>%1: 0 to 255</source>
        <translation>%1: 0～255</translation>
    </message>
    <message>
        <source>%1: one of the list&apos;s values</source>
        <translation>%1: 一覧の値のいずれか</translation>
    </message>
    <message>
        <source>no such column</source>
        <translation>その列はありません</translation>
    </message>
</context>
<context>
    <name>r36::files::CsvLine</name>
    <message>
        <source>frequency</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>offset</source>
        <translation>オフセット</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>step</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>シフト</translation>
    </message>
    <message>
        <source>subtone</source>
        <translation>サブトーン</translation>
    </message>
    <message>
        <source>CTCSS tone</source>
        <translation>CTCSS トーン</translation>
    </message>
    <message>
        <source>DCS code</source>
        <translation>DCS コード</translation>
    </message>
    <message>
        <source>train tone</source>
        <translation>トレイントーン</translation>
    </message>
    <message>
        <source>skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>is not a number of MHz, like 145.020000</source>
        <translation>は 145.020000 のような MHz の数値ではありません</translation>
    </message>
    <message>
        <source>is only allowed in PRG memories</source>
        <translation>は PRG メモリーでしか使えません</translation>
    </message>
    <message>
        <source>is not FM, AM or WFM</source>
        <translation>は FM、AM、WFM のいずれでもありません</translation>
    </message>
    <message>
        <source>is not a step of the receiver</source>
        <translation>は受信機のステップではありません</translation>
    </message>
    <message>
        <source>is not OFF, + or -</source>
        <translation>は OFF、+、- のいずれでもありません</translation>
    </message>
    <message>
        <source>is not OFF, Train, CTCSS, REV or DCS</source>
        <translation>は OFF、Train、CTCSS、REV、DCS のいずれでもありません</translation>
    </message>
    <message>
        <source>is not a tone of the receiver</source>
        <translation>は受信機のトーンではありません</translation>
    </message>
    <message>
        <source>is not a code of the receiver</source>
        <translation>は受信機のコードではありません</translation>
    </message>
    <message>
        <source>is not a train tone of the receiver</source>
        <translation>は受信機のトレイントーンではありません</translation>
    </message>
    <message>
        <source>is not &quot;*&quot; or empty</source>
        <translation>は &quot;*&quot; でも空欄でもありません</translation>
    </message>
    <message>
        <source>is longer than six characters</source>
        <translation>は 6 文字を超えています</translation>
    </message>
    <message>
        <source>holds a character that is not printable ASCII</source>
        <translation>に印字可能な ASCII 以外の文字が含まれています</translation>
    </message>
</context>
<context>
    <name>r36::files::TextFile</name>
    <message>
        <source>a folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>FIFO</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ソケット</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>ファイル以外のもの</translation>
    </message>
</context>
<context>
    <name>r36::link::PortTrouble</name>
    <message>
        <source>cannot open %1: no serial device stands for it (QBR36_COM%2=/dev/... names one).</source>
        <translation>%1 を開けません: 対応するシリアルデバイスがありません (QBR36_COM%2=/dev/... で指定できます)。</translation>
    </message>
    <message>
        <source>cannot open %1: the device does not exist (is the cable plugged in?).</source>
        <translation>%1 を開けません: デバイスが存在しません (ケーブルは接続されていますか?)。</translation>
    </message>
    <message>
        <source> No serial ports were found.</source>
        <translation> シリアルポートが見つかりません。</translation>
    </message>
    <message>
        <source> Ports found: %1.</source>
        <translation> 見つかったポート: %1。</translation>
    </message>
    <message>
        <source>cannot open the port: no serial port found</source>
        <translation>ポートを開けません: シリアルポートが見つかりません</translation>
    </message>
    <message>
        <source>cannot open %1: permission denied. Your user must be in the group &quot;%2&quot; that owns the device: run `sudo usermod -aG %2 $USER`, then log out and in again.</source>
        <translation>%1 を開けません: アクセスが拒否されました。ユーザーをデバイスの所有グループ &quot;%2&quot; に追加してください: `sudo usermod -aG %2 $USER` を実行し、ログアウトしてから再度ログインしてください。</translation>
    </message>
    <message>
        <source>cannot open %1: another program is using it; close that program and try again.</source>
        <translation>%1 を開けません: 別のプログラムが使用中です。そのプログラムを終了してから再度お試しください。</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 を開けません: %2</translation>
    </message>
    <message>
        <source>no reply from the receiver on %1 at %2 bps.</source>
        <translation>%1 (%2 bps) の受信機から応答がありません。</translation>
    </message>
    <message>
        <source>no readable reply from the receiver on %1 at %2 bps (%3).</source>
        <translation>%1 (%2 bps) の受信機から読み取れる応答がありません (%3)。</translation>
    </message>
    <message>
        <source>Check that the cable is plugged in at both ends, that the receiver is switched on, that the speed is the receiver&apos;s (Speed menu, or --speed) and that the port is the one the cable is on (Port menu, or --port).</source>
        <translation>ケーブルが両端とも接続されていること、受信機の電源が入っていること、通信速度が受信機の設定と同じであること (通信速度メニュー、または --speed)、ポートがケーブルをつないだものであること (ポートメニュー、または --port) を確かめてください。</translation>
    </message>
</context>
<context>
    <name>r36::session</name>
    <message>
        <source>no %1 line for groups %2</source>
        <translation>グループ %2 の %1 行がありません</translation>
    </message>
    <message>
        <source>no %1 line</source>
        <translation>%1 行がありません</translation>
    </message>
    <message>
        <source>no END line: the file may be cut short after line %1</source>
        <translation>END 行がありません: ファイルは %1 行目の後で切れている可能性があります</translation>
    </message>
    <message>
        <source>no END line: the file may be cut short after line %1 (the last memory it holds is %2)</source>
        <translation>END 行がありません: ファイルは %1 行目の後で切れている可能性があります (最後のメモリーは %2)</translation>
    </message>
    <message>
        <source>not a line of a clone file: %1</source>
        <translation>クローンファイルの行ではありません: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message>
        <source>receive CTCSS %1 kept</source>
        <translation>受信 CTCSS %1 は残しました</translation>
    </message>
    <message>
        <source>receive DCS %1 kept</source>
        <translation>受信 DCS %1 は残しました</translation>
    </message>
    <message>
        <source>no receive tone</source>
        <translation>受信トーンはありません</translation>
    </message>
    <message>
        <source>a quoted field is not closed; line not carried</source>
        <translation>引用符で始まる欄が閉じていません。この行は取り込みません</translation>
    </message>
    <message>
        <source>frequency %1 is not 0.1 to 1299.999999 MHz; line not carried</source>
        <translation>周波数 %1 は 0.1～1299.999999 MHz ではありません。この行は取り込みません</translation>
    </message>
    <message>
        <source>mode %1 cannot be received (FM, AM and WFM only); line not carried</source>
        <translation>モード %1 は受信できません (FM、AM、WFM のみ)。この行は取り込みません</translation>
    </message>
    <message>
        <source>split (transmit on %1 MHz) not carried; shift OFF</source>
        <translation>スプリット (送信 %1 MHz) は取り込みません。シフトは OFF</translation>
    </message>
    <message>
        <source>duplex %1 not carried; shift OFF</source>
        <translation>デュプレックス %1 は取り込みません。シフトは OFF</translation>
    </message>
    <message>
        <source>offset %1 is not 0 to 999.999999 MHz; shift OFF</source>
        <translation>オフセット %1 は 0～999.999999 MHz ではありません。シフトは OFF</translation>
    </message>
    <message>
        <source>tone mode %1 not carried; subtone OFF</source>
        <translation>トーンモード %1 は取り込みません。サブトーンは OFF</translation>
    </message>
    <message>
        <source>transmit tone dropped; %1</source>
        <translation>送信トーンは取り込みません。%1</translation>
    </message>
    <message>
        <source>CTCSS tone %1 Hz is not one of the receiver&apos;s; subtone OFF</source>
        <translation>CTCSS トーン %1 Hz は受信機にありません。サブトーンは OFF</translation>
    </message>
    <message>
        <source>DCS code %1 is not one of the receiver&apos;s; subtone OFF</source>
        <translation>DCS コード %1 は受信機にありません。サブトーンは OFF</translation>
    </message>
    <message>
        <source>DCS polarity %1 (reversed receive) not carried; subtone OFF</source>
        <translation>DCS 極性 %1 (受信反転) は取り込みません。サブトーンは OFF</translation>
    </message>
    <message>
        <source>step %1 kHz not held; nearest step %2 taken</source>
        <translation>ステップ %1 kHz は受信機にありません。最も近い %2 にしました</translation>
    </message>
    <message>
        <source>step %1 is not a number; 5KHz taken</source>
        <translation>ステップ %1 は数値ではありません。5KHz にしました</translation>
    </message>
    <message>
        <source>skip &quot;P&quot; (priority) not carried</source>
        <translation>スキップ &quot;P&quot; (優先) は取り込みません</translation>
    </message>
    <message>
        <source>skip %1 not carried</source>
        <translation>スキップ %1 は取り込みません</translation>
    </message>
    <message>
        <source>name %1 cut to %2</source>
        <translation>名前 %1 を %2 に切り詰めました</translation>
    </message>
    <message>
        <source>name %1: characters beyond ASCII shown as &quot;?&quot;</source>
        <translation>名前 %1: ASCII 以外の文字は &quot;?&quot; にしました</translation>
    </message>
    <message>
        <source>not carried</source>
        <translation>取り込みません</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>%1 行目</translation>
    </message>
    <message>
        <source>memory %1 (%2): </source>
        <translation>メモリー %1 (%2): </translation>
    </message>
    <message>
        <source>CHIRP holds no Train subtone; written without a tone</source>
        <translation>CHIRP には Train サブトーンがありません。トーンなしで書き出しました</translation>
    </message>
    <message>
        <source>CHIRP holds no auto mode; written as %1</source>
        <translation>CHIRP には自動モードがありません。%1 として書き出しました</translation>
    </message>
    <message>
        <source>CHIRP holds no auto step; written as %1</source>
        <translation>CHIRP には自動ステップがありません。%1 として書き出しました</translation>
    </message>
    <message>
        <source>not held by CHIRP</source>
        <translation>CHIRP では保持できません</translation>
    </message>
    <message>
        <source>%1 lines, %2 memories from %3 to %4</source>
        <translation>%1 行に対し、%3 から %4 までのメモリーは %2 件です</translation>
    </message>
    <message>
        <source>%1 lines, %2 free memories in %3</source>
        <translation>%1 行に対し、%3 の空きメモリーは %2 件です</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 または %2</translation>
    </message>
    <message>
        <source>%1 line needs a memory number and a record</source>
        <translation>%1 行にはメモリー番号とレコードが必要です</translation>
    </message>
    <message>
        <source>%1 line needs a group number and an entry</source>
        <translation>%1 行にはグループ番号とエントリーが必要です</translation>
    </message>
    <message>
        <source>%1 memory number is not %2..%3</source>
        <translation>%1 のメモリー番号が %2..%3 ではありません</translation>
    </message>
    <message>
        <source>%1 group number is not %2..%3</source>
        <translation>%1 のグループ番号が %2..%3 ではありません</translation>
    </message>
    <message>
        <source>%1 value is not a number %2..%3</source>
        <translation>%1 の値が %2..%3 の数値ではありません</translation>
    </message>
    <message>
        <source>%1 record is not %2 hex digits</source>
        <translation>%1 のレコードが %2 桁の 16 進数ではありません</translation>
    </message>
    <message>
        <source>%1 table is not %2 hex digits</source>
        <translation>%1 のテーブルが %2 桁の 16 進数ではありません</translation>
    </message>
    <message>
        <source>%1 entry is not %2 hex digits</source>
        <translation>%1 のエントリーが %2 桁の 16 進数ではありません</translation>
    </message>
    <message>
        <source>%1 block is not %2 hex digits</source>
        <translation>%1 のブロックが %2 桁の 16 進数ではありません</translation>
    </message>
</context>
<context>
    <name>r36::session::Companion</name>
    <message>
        <source>Copy to document</source>
        <translation>ドキュメントへコピー</translation>
    </message>
</context>
<context>
    <name>r36::session::Document</name>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 の編集</translation>
    </message>
    <message>
        <source>Clear memories</source>
        <translation>メモリーのクリア</translation>
    </message>
    <message>
        <source>Insert empty memory</source>
        <translation>空きメモリーの挿入</translation>
    </message>
    <message>
        <source>Delete memory</source>
        <translation>メモリーの削除</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>Change the partition</source>
        <translation>バンク分割の変更</translation>
    </message>
    <message>
        <source>Reset the partition</source>
        <translation>バンク分割のリセット</translation>
    </message>
    <message>
        <source>Change the bank links</source>
        <translation>バンクリンクの変更</translation>
    </message>
    <message>
        <source>Change the program-scan links</source>
        <translation>プログラムスキャンリンクの変更</translation>
    </message>
    <message>
        <source>Change a setting</source>
        <translation>設定の変更</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>Set field</source>
        <translation>項目の一括設定</translation>
    </message>
    <message>
        <source>Move memories</source>
        <translation>メモリーの移動</translation>
    </message>
</context>
<context>
    <name>r36::session::Transfer</name>
    <message>
        <source>Read all</source>
        <translation>一括読み込み</translation>
    </message>
    <message>
        <source>Write all</source>
        <translation>一括書き込み</translation>
    </message>
    <message>
        <source>Read This Page</source>
        <translation>このページを読み込み</translation>
    </message>
    <message>
        <source>Write This Page</source>
        <translation>このページを書き込み</translation>
    </message>
    <message>
        <source>Bank Read</source>
        <translation>バンク読み込み</translation>
    </message>
    <message>
        <source>Bank Write</source>
        <translation>バンク書き込み</translation>
    </message>
    <message>
        <source>Read selected memory</source>
        <translation>選択メモリーを読み込み</translation>
    </message>
    <message>
        <source>Write selected memory</source>
        <translation>選択メモリーを書き込み</translation>
    </message>
    <message>
        <source>Write changes</source>
        <translation>変更分を書き込み</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Complete — 1 command repeated after a time-out</source>
        <translation>完了 — タイムアウトのため 1 個のコマンドを再送しました</translation>
    </message>
    <message>
        <source>Complete — %1 commands repeated after a time-out</source>
        <translation>完了 — タイムアウトのため %1 個のコマンドを再送しました</translation>
    </message>
</context>
<context>
    <name>r36::session::TransferWorker</name>
    <message>
        <source>Stopped before %1.</source>
        <translation>%1 の前で止めました。</translation>
    </message>
    <message>
        <source> Nothing reached the receiver.</source>
        <translation>受信機には何も届いていません。</translation>
    </message>
    <message>
        <source> The receiver took %1.</source>
        <translation>受信機は %1 を受け取りました。</translation>
    </message>
    <message>
        <source> Everything read before it is kept.</source>
        <translation>それまでに読み込んだ内容は保持されます。</translation>
    </message>
</context>
<context>
    <name>r36::ui::AboutText</name>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Clone utility and memory editor for the QB-R36 receiver.
Provided as is, without warranty of any kind. Keep a clone file of
your receiver before you write to it.</source>
        <translation>QB-R36 受信機用のクローンユーティリティ兼メモリーエディターです。
現状のまま提供され、いかなる保証もありません。受信機へ書き込む前に、
必ずクローンファイルを保存してください。</translation>
    </message>
    <message>
        <source>Free software under the &lt;a href=&quot;%1&quot;&gt;GNU General Public License&lt;/a&gt;, version 3 or later.</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;GNU 一般公衆利用許諾書&lt;/a&gt; バージョン 3 以降のもとで配布されるフリーソフトウェアです。</translation>
    </message>
</context>
<context>
    <name>r36::ui::BackupsDialog</name>
    <message>
        <source>Backups</source>
        <translation>バックアップ</translation>
    </message>
    <message>
        <source>No backup yet: every Read all leaves one.</source>
        <translation>バックアップはまだありません: 一括読み込みのたびに作成されます。</translation>
    </message>
    <message>
        <source>Backups of the receiver, newest first. Select one to compare with the document or to restore; select two to compare them.</source>
        <translation>受信機のバックアップ (新しい順)。1 つ選ぶとドキュメントとの比較または復元、2 つ選ぶとその 2 つを比較します。</translation>
    </message>
    <message>
        <source>%1    version %2    %3 memories in use</source>
        <translation>%1    バージョン %2    使用メモリー %3</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比較</translation>
    </message>
    <message>
        <source>Restore…</source>
        <translation>復元…</translation>
    </message>
    <message>
        <source>Opens the backup as the document, then shows what writing it changes on the receiver</source>
        <translation>バックアップをドキュメントとして開き、書き込むと受信機で何が変わるかを表示します</translation>
    </message>
    <message>
        <source>Compare the two</source>
        <translation>2 つを比較</translation>
    </message>
    <message>
        <source>Compare with the document</source>
        <translation>ドキュメントと比較</translation>
    </message>
</context>
<context>
    <name>r36::ui::BesidePane</name>
    <message>
        <source>Memories of the file beside</source>
        <translation>並べて開いたファイルのメモリー</translation>
    </message>
    <message>
        <source>Settings and links that differ</source>
        <translation>異なる設定とリンク</translation>
    </message>
    <message>
        <source>Copy to document</source>
        <translation>ドキュメントへコピー</translation>
    </message>
    <message>
        <source>Copies the selected memories into the same memories of the document; Ctrl+Z undoes. Rows can also be dragged into the list.</source>
        <translation>選択したメモリーをドキュメントの同じメモリーへコピーします。Ctrl+Z で元に戻せます。行をリストへドラッグすることもできます。</translation>
    </message>
    <message>
        <source>Settings and links</source>
        <translation>設定とリンク</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Closes the file beside (Escape)</source>
        <translation>並べて開いたファイルを閉じます (Esc)</translation>
    </message>
    <message>
        <source>%1 beside the document; it differs in %2.</source>
        <translation>%1 をドキュメントと並べて表示: 違い %2</translation>
    </message>
    <message>
        <source>%1 beside; since %2, %3 changed.</source>
        <translation>%1 を表示: %2 以降に %3 が変わりました。</translation>
    </message>
    <message>
        <source>Settings and links: alike</source>
        <translation>設定とリンク: 同じ</translation>
    </message>
    <message>
        <source>Settings and links: %1 differ</source>
        <translation>設定とリンク: %1 件の違い</translation>
    </message>
    <message>
        <source>Marked rows (≠) differ; select one to see how.</source>
        <translation>印 (≠) の行が異なります。行を選ぶと違いを表示します。</translation>
    </message>
    <message>
        <source>memory %1 (%2): alike</source>
        <translation>memory %1 (%2): 同じ</translation>
    </message>
    <message>
        <source>Select the memories to copy first</source>
        <translation>先にコピーするメモリーを選択してください</translation>
    </message>
    <message>
        <source>%1 beside the document; they are alike.</source>
        <translation>%1 をドキュメントと並べて表示: 違いはありません。</translation>
    </message>
</context>
<context>
    <name>r36::ui::ChirpImportDialog</name>
    <message>
        <source>Import CHIRP CSV</source>
        <translation>CHIRP CSV のインポート</translation>
    </message>
    <message>
        <source>%1: %2 lines, %3 can be imported, %4 cannot.</source>
        <translation>%1: %2 行のうち %3 行を取り込めます。%4 行は取り込めません。</translation>
    </message>
    <message>
        <source>Into the &amp;free memories of %1</source>
        <translation>%1 の空きメモリーへ(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;One after the other from %1</source>
        <translation>%1 から順に(&amp;O)</translation>
    </message>
    <message>
        <source>Memories as they will be imported</source>
        <translation>取り込まれるメモリー</translation>
    </message>
    <message>
        <source>&amp;Not carried as written:</source>
        <translation>そのままでは取り込めない内容(&amp;N):</translation>
    </message>
    <message>
        <source>Lines not carried as written</source>
        <translation>そのままでは取り込めない行</translation>
    </message>
    <message>
        <source>Every line is carried as written.</source>
        <translation>すべての行をそのまま取り込めます。</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>インポート(&amp;I)</translation>
    </message>
    <message>
        <source>No line can be imported.</source>
        <translation>取り込める行がありません。</translation>
    </message>
    <message>
        <source>They do not fit: %1.</source>
        <translation>入りきりません: %1。</translation>
    </message>
    <message>
        <source>Into %1: %2 of its %3 free memories.</source>
        <translation>%1 へ: 空きメモリー %3 件のうち %2 件を使います。</translation>
    </message>
    <message>
        <source>Into %1, all of them free.</source>
        <translation>%1 へ (すべて空きメモリー)。</translation>
    </message>
    <message>
        <source>Into %1: %2 channels there are replaced.</source>
        <translation>%1 へ: そこにある %2 件のチャンネルを置き換えます。</translation>
    </message>
</context>
<context>
    <name>r36::ui::ChirpPreviewModel</name>
    <message>
        <source>line %1</source>
        <translation>%1 行目</translation>
    </message>
</context>
<context>
    <name>r36::ui::EditCommands</name>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Insert empty memory</source>
        <translation>空きメモリーを挿入</translation>
    </message>
    <message>
        <source>Delete memory</source>
        <translation>メモリーを削除</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>検索(&amp;F)</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>次を検索</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>前を検索</translation>
    </message>
    <message>
        <source>Nothing pasted: %1</source>
        <translation>貼り付けませんでした: %1</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>%1 copied from %2</source>
        <translation>%2 から %1 をコピーしました</translation>
    </message>
    <message>
        <source>Nothing moved: memories %1 would move, and the filter hides some of them; close the filter (Escape) first</source>
        <translation>移動しませんでした: %1 のメモリーが動きますが、その一部はフィルターで隠れています。先にフィルターを閉じてください (Escape)</translation>
    </message>
    <message numerus="yes">
        <source>Nothing pasted: the %1 from %2 include %n rows hidden by the filter; close the filter (Escape) to paste over them</source>
        <translation>
            <numerusform>貼り付けませんでした: %2 からの %1 にはフィルターで隠れた %n 行が含まれます。上書きするにはフィルターを閉じてください (Escape)</numerusform>
        </translation>
    </message>
    <message>
        <source>Undone: %1 — Ctrl+Y redoes</source>
        <translation>元に戻しました: %1 — Ctrl+Y でやり直し</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>やり直しました: %1</translation>
    </message>
</context>
<context>
    <name>r36::ui::FilterBar</name>
    <message>
        <source>Hi&amp;de free memories</source>
        <translation>空きメモリーを隠す(&amp;D)</translation>
    </message>
    <message>
        <source>Name, frequency or BANK-CH</source>
        <translation>名前、周波数、または BANK-CH</translation>
    </message>
    <message>
        <source>Filter text</source>
        <translation>フィルターの文字</translation>
    </message>
    <message>
        <source>e.g. 118–137</source>
        <translation>例: 118–137</translation>
    </message>
    <message>
        <source>Frequency range in MHz</source>
        <translation>周波数の範囲 (MHz)</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Any mode</source>
        <translation>すべてのモード</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>すべて表示</translation>
    </message>
    <message>
        <source>Close the filter and show every memory</source>
        <translation>フィルターを閉じてすべてのメモリーを表示</translation>
    </message>
    <message>
        <source>Close the filter and show every memory (Escape)</source>
        <translation>フィルターを閉じてすべてのメモリーを表示 (Escape)</translation>
    </message>
    <message>
        <source>F&amp;ilter:</source>
        <translation>フィルター(&amp;I):</translation>
    </message>
    <message>
        <source>&amp;MHz:</source>
        <translation>MHz(&amp;M):</translation>
    </message>
    <message>
        <source>Frequency range: two frequencies in MHz, as 118–137</source>
        <translation>周波数の範囲: 118–137 のように MHz で二つの周波数を入力してください</translation>
    </message>
    <message>
        <source>%1 of %2 shown</source>
        <translation>%2 件中 %1 件を表示</translation>
    </message>
</context>
<context>
    <name>r36::ui::FindBar</name>
    <message>
        <source>Frequency in MHz, name or BANK-CH</source>
        <translation>周波数 (MHz)、名前、または BANK-CH</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>検索:</translation>
    </message>
    <message>
        <source>No memory matches</source>
        <translation>一致するメモリーはありません</translation>
    </message>
    <message>
        <source>%1 of %2 matching memories</source>
        <translation>一致するメモリー %2 件中 %1 件目</translation>
    </message>
</context>
<context>
    <name>r36::ui::LinkDialog</name>
    <message>
        <source>BANK-LINK Setting</source>
        <translation>BANK-LINK 設定</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>バンク</translation>
    </message>
    <message>
        <source>PS LINK Setting</source>
        <translation>PS LINK 設定</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>ペア</translation>
    </message>
    <message>
        <source>%1, %2 %3, %4</source>
        <translation>%1、%2 %3、%4</translation>
    </message>
    <message>
        <source>unavailable</source>
        <translation>使用不可</translation>
    </message>
    <message>
        <source>member</source>
        <translation>登録あり</translation>
    </message>
    <message>
        <source>not a member</source>
        <translation>登録なし</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>r36::ui::ListCommands</name>
    <message>
        <source>%1: same frequency and mode as %2 in its bank or area</source>
        <translation>%1: 同じバンク/エリアの %2 と周波数とモードが同じです</translation>
    </message>
    <message>
        <source>%1: same frequency and mode as %2 in another bank or area</source>
        <translation>%1: 別のバンク/エリアの %2 と周波数とモードが同じです</translation>
    </message>
    <message>
        <source>%1: its program-scan pair&apos;s other edge %2 is free</source>
        <translation>%1: プログラムスキャンの組のもう一方の端 %2 が空きです</translation>
    </message>
    <message>
        <source>%1: the lower edge is above the upper edge %2</source>
        <translation>%1: 下端が上端 %2 より高い周波数です</translation>
    </message>
    <message>
        <source>Bank-link group %1 names only banks without a memory in use</source>
        <translation>バンクリンクのグループ %1 は使用中のメモリーがないバンクだけを含みます</translation>
    </message>
    <message>
        <source>Program-scan-link group %1 names only pairs without an edge in use</source>
        <translation>プログラムスキャンリンクのグループ %1 は使用中の端がない組だけを含みます</translation>
    </message>
    <message>
        <source>%1: the name begins with a space</source>
        <translation>%1: 名前が空白で始まります</translation>
    </message>
    <message>
        <source>%1: the name holds a character the receiver shows as a space</source>
        <translation>%1: 名前に受信機が空白として表示する文字があります</translation>
    </message>
    <message>
        <source>Sort…</source>
        <translation>並べ替え…</translation>
    </message>
    <message>
        <source>Set field…</source>
        <translation>項目の一括設定…</translation>
    </message>
    <message>
        <source>Check list</source>
        <translation>リストの点検</translation>
    </message>
    <message>
        <source>Select duplicates</source>
        <translation>重複を選択</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>点検結果</translation>
    </message>
    <message>
        <source>Findings of the list check</source>
        <translation>リストの点検結果</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>Sort the bank or area of %1 by:</source>
        <translation>%1 のバンク/エリアを並べ替える基準:</translation>
    </message>
    <message>
        <source>Sort memories %1 to %2 by:</source>
        <translation>メモリー %1 ～ %2 を並べ替える基準:</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>昇順</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>降順</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Memories sorted by %1</source>
        <translation>%1 で並べ替えました</translation>
    </message>
    <message>
        <source>Nothing sorted: %1</source>
        <translation>並べ替えませんでした: %1</translation>
    </message>
    <message>
        <source>Set field</source>
        <translation>項目の一括設定</translation>
    </message>
    <message numerus="yes">
        <source>Set which field in the %n selected memories?</source>
        <translation>
            <numerusform>選択した %n 個のメモリーのどの項目を設定しますか?</numerusform>
        </translation>
    </message>
    <message>
        <source>Next…</source>
        <translation>次へ…</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message numerus="yes">
        <source>%n memories changed</source>
        <translation>
            <numerusform>%n 個のメモリーを変更しました</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>; %n refused: </source>
        <translation>
            <numerusform>、%n 個は拒否: </numerusform>
        </translation>
    </message>
    <message>
        <source>No findings</source>
        <translation>問題は見つかりませんでした</translation>
    </message>
    <message numerus="yes">
        <source>%n findings</source>
        <translation>
            <numerusform>%n 件の点検結果</numerusform>
        </translation>
    </message>
    <message>
        <source>No duplicates within a bank or area</source>
        <translation>バンク/エリア内に重複はありません</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicates selected: Delete clears them</source>
        <translation>
            <numerusform>%n 個の重複を選択しました: Delete で消去します</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sort the %1 shown at %2 by (%n hidden by the filter stay where they are):</source>
        <translation>
            <numerusform>%2 の表示中の %1 を並べ替える基準 (フィルターで隠れた %n 件はそのまま):</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n more hidden by the filter</source>
        <translation>
            <numerusform>、ほかに %n 件がフィルターで隠れています</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>r36::ui::ListPrinter</name>
    <message>
        <source>File: %1</source>
        <translation>ファイル: %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(なし)</translation>
    </message>
    <message>
        <source>Receiver version: %1</source>
        <translation>受信機のバージョン: %1</translation>
    </message>
    <message>
        <source>not read yet</source>
        <translation>未読み込み</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (続き)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>%2 ページ中 %1 ページ</translation>
    </message>
    <message>
        <source>%1: %2 of %3 memories</source>
        <translation>%1: %3 メモリー中 %2</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>設定項目</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
    <message>
        <source>Remocon key ID %1</source>
        <translation>リモコンキー ID %1</translation>
    </message>
</context>
<context>
    <name>r36::ui::MainWindow</name>
    <message>
        <source>Memory</source>
        <translation>メモリー</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>The backup of the receiver could not be saved.</source>
        <translation>受信機のバックアップを保存できませんでした。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Can&apos;t save the port and speed.</source>
        <translation>ポートと通信速度を保存できません。</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>中止しました</translation>
    </message>
    <message>
        <source> Error</source>
        <translation> エラー</translation>
    </message>
    <message>
        <source>Bank Total Error. Init Data?</source>
        <translation>バンク合計が正しくありません。データを初期化しますか?</translation>
    </message>
    <message>
        <source>R36 Files (*.R36);;All Files (*.*)</source>
        <translation>R36 ファイル (*.R36);;すべてのファイル (*.*)</translation>
    </message>
    <message>
        <source>csv Files (*.csv);;All Files (*.*)</source>
        <translation>CSV ファイル (*.csv);;すべてのファイル (*.*)</translation>
    </message>
    <message>
        <source>Can&apos;t open the file.</source>
        <translation>ファイルを開けません。</translation>
    </message>
    <message>
        <source>%1 lines of the file were skipped.</source>
        <translation>ファイルの %1 行を読み飛ばしました。</translation>
    </message>
    <message>
        <source>Can&apos;t save the file.</source>
        <translation>ファイルを保存できません。</translation>
    </message>
    <message>
        <source>Error at line%1</source>
        <translation>%1 行目にエラーがあります</translation>
    </message>
    <message>
        <source>Can&apos;t write the file.</source>
        <translation>ファイルを書き込めません。</translation>
    </message>
    <message>
        <source>Select the memories first</source>
        <translation>先にメモリーを選択してください</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Open(&amp;O)</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Import(&amp;I)</source>
        <translation>インポート(&amp;I)</translation>
    </message>
    <message>
        <source>Export(&amp;E)</source>
        <translation>エクスポート(&amp;E)</translation>
    </message>
    <message>
        <source>Backups…</source>
        <translation>バックアップ…</translation>
    </message>
    <message>
        <source>Port(&amp;P)</source>
        <translation>ポート(&amp;P)</translation>
    </message>
    <message>
        <source>Speed(&amp;S)</source>
        <translation>通信速度(&amp;S)</translation>
    </message>
    <message>
        <source>Comm(&amp;C)</source>
        <translation>通信(&amp;C)</translation>
    </message>
    <message>
        <source>Write all(&amp;W)</source>
        <translation>一括書き込み(&amp;W)</translation>
    </message>
    <message>
        <source>Read all(&amp;R)</source>
        <translation>一括読み込み(&amp;R)</translation>
    </message>
    <message>
        <source>Write changes</source>
        <translation>変更分を書き込み</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>書き込み後に照合</translation>
    </message>
    <message>
        <source>Can&apos;t save the settings file.</source>
        <translation>設定ファイルを保存できません。</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Version(&amp;V)</source>
        <translation>バージョン情報(&amp;V)</translation>
    </message>
    <message>
        <source>Nothing is known yet of what the receiver holds. Read it first to keep a backup and to see what the write will change.</source>
        <translation>受信機の内容はまだ分かりません。バックアップを残し、書き込みで変わる内容を確かめるため、先に受信機を読み込んでください。</translation>
    </message>
    <message>
        <source>Read the receiver first</source>
        <translation>先に受信機を読み込む</translation>
    </message>
    <message>
        <source>Write without reading</source>
        <translation>読み込まずに書き込む</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Nothing differs: the receiver already holds what %1 writes.</source>
        <translation>違いはありません: 「%1」で書き込む内容は受信機にすでに入っています。</translation>
    </message>
    <message>
        <source>%1 will change on the receiver:</source>
        <translation>受信機で %1 が変わります:</translation>
    </message>
    <message>
        <source>Write all</source>
        <translation>一括書き込み</translation>
    </message>
    <message>
        <source>(no device)</source>
        <translation>(デバイスなし)</translation>
    </message>
    <message>
        <source> (missing)</source>
        <translation> (見つかりません)</translation>
    </message>
    <message>
        <source>Can&apos;t write the communication log.</source>
        <translation>通信ログを書き込めません。</translation>
    </message>
    <message>
        <source>Log Files (*.log *.txt);;All Files (*.*)</source>
        <translation>ログファイル (*.log *.txt);;すべてのファイル (*.*)</translation>
    </message>
    <message>
        <source>Can&apos;t save the communication log.</source>
        <translation>通信ログを保存できません。</translation>
    </message>
    <message>
        <source>Save communication log…</source>
        <translation>通信ログを保存…</translation>
    </message>
    <message>
        <source>The changes were neither saved to a file nor written to the receiver. Save them before closing?</source>
        <translation>変更はファイルに保存されておらず、受信機にも書き込まれていません。閉じる前に保存しますか?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>破棄</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 は既に存在します。置き換えますか?</translation>
    </message>
    <message>
        <source>%1: the name does not end in .R36</source>
        <translation>%1: 名前が .R36 で終わっていません</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>%1 に保存しました</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>名前を付けて保存…</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>最近使ったファイル</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>The file is incomplete: the blocks it lacks kept the values they had, and the memories it lacks are empty. Look at the difference before writing it to the receiver.</source>
        <translation>ファイルが不完全です: ファイルにないブロックは元の値のままで、ファイルにないメモリーは空になりました。受信機に書き込む前に差分を確認してください。</translation>
    </message>
    <message>
        <source>User guide…</source>
        <translation>ユーザーガイド…</translation>
    </message>
    <message>
        <source>With only the counts changed, %1 would move to another label, as they would on the receiver after Bank Write.</source>
        <translation>件数だけを変えると、%1 が別のラベルに移ります。バンク書込み後の受信機でも同じです。</translation>
    </message>
    <message>
        <source>The new counts move the borders between the banks. Move each bank&apos;s memories with it, so that every channel stays in its bank?</source>
        <translation>新しい件数でバンクの境界が動きます。各バンクのメモリーをバンクと一緒に移し、すべてのチャンネルを元のバンクに残しますか?</translation>
    </message>
    <message>
        <source>Move the channels with their banks</source>
        <translation>チャンネルをバンクと一緒に移す</translation>
    </message>
    <message>
        <source>The channels cannot move with their banks: Bank%1 holds a channel at %2; it cannot shrink to %3.</source>
        <translation>チャンネルをバンクと一緒に移せません: Bank%1 の %2 にチャンネルがあるため、%3 件に縮められません。</translation>
    </message>
    <message>
        <source>The channels cannot move with their banks: %1 holds a channel but lies in no bank of the old counts.</source>
        <translation>チャンネルをバンクと一緒に移せません: %1 にチャンネルがありますが、以前の件数ではどのバンクにも属していません。</translation>
    </message>
    <message>
        <source>Only change the counts</source>
        <translation>件数だけを変える</translation>
    </message>
    <message>
        <source>Bank partition</source>
        <translation>バンク分割</translation>
    </message>
    <message>
        <source>Clear all %1 memories? %2 of them hold a channel.</source>
        <translation>全 %1 件のメモリーをクリアしますか? そのうち %2 件にチャンネルがあります。</translation>
    </message>
    <message>
        <source>Clear all memories</source>
        <translation>全メモリーをクリア</translation>
    </message>
    <message>
        <source>%1 will change on the receiver, and %2 will show under another label (listed last):</source>
        <translation>受信機で %1 が変わり、%2 が別のラベルになります (最後に一覧):</translation>
    </message>
    <message>
        <source>The changes were neither saved to a file nor written to the receiver. Save them before opening %1?</source>
        <translation>変更はファイルに保存されておらず、受信機にも書き込まれていません。%1 を開く前に保存しますか?</translation>
    </message>
    <message>
        <source>CHIRP CSV Files (*.csv);;All Files (*.*)</source>
        <translation>CHIRP CSV ファイル (*.csv);;すべてのファイル (*.*)</translation>
    </message>
    <message>
        <source>%1 is not a CHIRP CSV file.</source>
        <translation>%1 は CHIRP CSV ファイルではありません。</translation>
    </message>
    <message>
        <source>Its first line names no Location and Frequency columns.</source>
        <translation>1 行目に Location と Frequency の列名がありません。</translation>
    </message>
    <message>
        <source>%1 channels imported into %2</source>
        <translation>%1 件のチャンネルを %2 にインポートしました</translation>
    </message>
    <message>
        <source>Export CHIRP CSV</source>
        <translation>CHIRP CSV のエクスポート</translation>
    </message>
    <message>
        <source>%1 was written. CHIRP cannot hold these values of the memories; they were written as said:</source>
        <translation>%1 を書き出しました。次のメモリーの値は CHIRP では保持できないため、記載のとおりに書き出しました:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;CSV…</source>
        <translation>CSV(&amp;C)…</translation>
    </message>
    <message>
        <source>C&amp;HIRP CSV…</source>
        <translation>CHIRP CSV(&amp;H)…</translation>
    </message>
    <message>
        <source>%1 lines of the file beside were skipped or are missing.</source>
        <translation>並べて開いたファイルの %1 行が読み飛ばされたか欠けています。</translation>
    </message>
    <message>
        <source>Nothing copied: %1 dropped there would run past the last memory</source>
        <translation>コピーしませんでした: %1 をそこへドロップすると最後のメモリーを越えます</translation>
    </message>
    <message>
        <source>%1 copied to %2 — Ctrl+Z undoes</source>
        <translation>%1 を %2 へコピーしました — Ctrl+Z で元に戻せます</translation>
    </message>
    <message>
        <source>%1 restored as the document; Save asks for a name</source>
        <translation>%1 をドキュメントとして復元しました。保存時にはファイル名を尋ねます</translation>
    </message>
    <message>
        <source>Open beside…</source>
        <translation>並べて開く…</translation>
    </message>
    <message>
        <source>Nothing transferred: the filter hides rows among the selected memories %1; select shown rows side by side, or close the filter (Escape)</source>
        <translation>転送しませんでした: 選択したメモリー %1 の間にフィルターで隠れた行があります。表示中の連続した行を選ぶか、フィルターを閉じてください (Escape)</translation>
    </message>
    <message>
        <source>View(&amp;V)</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Filter memories…</source>
        <translation>メモリーを絞り込む…</translation>
    </message>
</context>
<context>
    <name>r36::ui::MemoryDetailDialog</name>
    <message>
        <source>auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>メモリー</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>   PREV.     &lt;&lt;</source>
        <translation>   前へ      &lt;&lt;</translation>
    </message>
    <message>
        <source>   NEXT      &gt;&gt;</source>
        <translation>   次へ      &gt;&gt;</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
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
        <source>Modulation Mode</source>
        <translation>変調モード</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>シフト</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Offset Frequency</source>
        <translation>オフセット周波数</translation>
    </message>
    <message>
        <source>TSQ/DCS</source>
        <translation>TSQ/DCS</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>トレイン</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>トーン</translation>
    </message>
    <message>
        <source>DCS Code</source>
        <translation>DCS コード</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Data invalid</source>
        <translation>データが正しくありません</translation>
    </message>
    <message>
        <source>Memory Setting</source>
        <translation>メモリー設定</translation>
    </message>
</context>
<context>
    <name>r36::ui::MemoryListModel</name>
    <message>
        <source>BANK-CH</source>
        <translation>BANK-CH</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>r36::ui::MemoryPage</name>
    <message>
        <source>Clear all memories</source>
        <translation>全メモリーをクリア</translation>
    </message>
    <message>
        <source>Clear selected memory</source>
        <translation>選択メモリーをクリア</translation>
    </message>
    <message>
        <source>Read selected memory</source>
        <translation>選択メモリーを読み込み</translation>
    </message>
    <message>
        <source>Write selected memory</source>
        <translation>選択メモリーを書き込み</translation>
    </message>
    <message>
        <source>Bank-Link</source>
        <translation>バンクリンク</translation>
    </message>
    <message>
        <source>PS-Link</source>
        <translation>PSリンク</translation>
    </message>
</context>
<context>
    <name>r36::ui::PartitionEditor</name>
    <message>
        <source>Bank %1 count</source>
        <translation>バンク %1 の件数</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Bank Read</source>
        <translation>バンク読み込み</translation>
    </message>
    <message>
        <source>Bank Write</source>
        <translation>バンク書き込み</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>合計 %1</translation>
    </message>
    <message>
        <source>The bank counts total %1; they must total %2</source>
        <translation>バンクの件数の合計が %1 です。合計は %2 にしてください</translation>
    </message>
    <message>
        <source>Every channel stays in its bank: %1 moved — Ctrl+Z undoes</source>
        <translation>すべてのチャンネルは元のバンクに残ります: %1 を移しました — Ctrl+Z で元に戻せます</translation>
    </message>
    <message>
        <source>Only the counts changed: %1 now under another label — Ctrl+Z undoes</source>
        <translation>件数だけを変えました: %1 が別のラベルになりました — Ctrl+Z で元に戻せます</translation>
    </message>
</context>
<context>
    <name>r36::ui::PrintCommands</name>
    <message>
        <source>Print…</source>
        <translation>印刷…</translation>
    </message>
    <message>
        <source>Print Preview…</source>
        <translation>印刷プレビュー…</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>PDF をエクスポート…</translation>
    </message>
    <message>
        <source>Memory list</source>
        <translation>メモリーリスト</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Print what?</source>
        <translation>何を印刷しますか?</translation>
    </message>
    <message>
        <source>All memories in use</source>
        <translation>使用中のすべてのメモリー</translation>
    </message>
    <message>
        <source>The selected memories (%1)</source>
        <translation>選択したメモリー (%1)</translation>
    </message>
    <message>
        <source>The bank or area of the current memory (%1)</source>
        <translation>現在のメモリーのバンクまたはエリア (%1)</translation>
    </message>
    <message>
        <source>The settings page</source>
        <translation>設定ページ</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続ける</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Nothing to print: no memory in use among those chosen.</source>
        <translation>印刷するものがありません: 選んだ中に使用中のメモリーがありません。</translation>
    </message>
    <message>
        <source>Choose other memories, or all memories in use.</source>
        <translation>別のメモリー、または使用中のすべてのメモリーを選んでください。</translation>
    </message>
    <message>
        <source>Memory list: all memories in use</source>
        <translation>メモリーリスト: 使用中のすべてのメモリー</translation>
    </message>
    <message>
        <source>Memory list: the selected memories</source>
        <translation>メモリーリスト: 選択したメモリー</translation>
    </message>
    <message>
        <source>Memory list: %1</source>
        <translation>メモリーリスト: %1</translation>
    </message>
    <message>
        <source>Sent to the printer</source>
        <translation>プリンターに送りました</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Can&apos;t print.</source>
        <translation>印刷できません。</translation>
    </message>
    <message>
        <source>The printer could not start. Check it and try again.</source>
        <translation>プリンターを開始できませんでした。プリンターを確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>印刷プレビュー</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF をエクスポート</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>PDF ファイル (*.pdf);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>%1 にエクスポートしました</translation>
    </message>
    <message>
        <source>Can&apos;t write the PDF file.</source>
        <translation>PDF ファイルを書き込めません。</translation>
    </message>
    <message>
        <source>%1: check that the folder exists and can be written to.</source>
        <translation>%1: フォルダーがあり、書き込めることを確認してください。</translation>
    </message>
</context>
<context>
    <name>r36::ui::SettingsPage</name>
    <message>
        <source>Remocon</source>
        <translation>リモコン</translation>
    </message>
    <message>
        <source>key ID</source>
        <translation>キー ID</translation>
    </message>
    <message>
        <source>Read This Page</source>
        <translation>このページを読み込み</translation>
    </message>
    <message>
        <source>Write This Page</source>
        <translation>このページを書き込み</translation>
    </message>
    <message>
        <source>Typed in when AREA is ******; otherwise AREA fills it in</source>
        <translation>AREA が ****** のときに入力します。それ以外は AREA が設定します</translation>
    </message>
    <message>
        <source>ON lets the %1 expert settings be changed; OFF locks them and keeps their values</source>
        <translation>ON で %1 項目のエキスパート設定を変更できます。OFF では値を保ったまま変更できなくなります</translation>
    </message>
    <message>
        <source>Enabled when EXPERT is ON</source>
        <translation>EXPERT が ON のとき有効</translation>
    </message>
    <message>
        <source>Fills in the TV channels of the remote-control keys; ****** lets you type them</source>
        <translation>リモコンキーのテレビチャンネルを設定します。****** では手で入力できます</translation>
    </message>
</context>
<context>
    <name>r36::ui::TransferBar</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Stop the transfer before its next exchange (Esc)</source>
        <translation>次のやり取りの前に転送を止めます (Esc)</translation>
    </message>
</context>
<context>
    <name>r36::ui::TransferTexts</name>
    <message>
        <source>Memory %1 of %2</source>
        <translation>メモリー %1 / %2</translation>
    </message>
    <message>
        <source>Change %1 of %2</source>
        <translation>変更 %1 / %2</translation>
    </message>
    <message>
        <source>Verifying %1 of %2</source>
        <translation>照合中 %1 / %2</translation>
    </message>
    <message>
        <source>One memory read from the receiver, version %1</source>
        <translation>受信機からメモリーを 1 件読み込みました（バージョン %1）</translation>
    </message>
    <message>
        <source>One memory written to the receiver, version %1</source>
        <translation>受信機にメモリーを 1 件書き込みました（バージョン %1）</translation>
    </message>
    <message>
        <source>%1 memories read from the receiver, version %2</source>
        <translation>受信機からメモリーを %1 件読み込みました（バージョン %2）</translation>
    </message>
    <message>
        <source>%1 memories written to the receiver, version %2</source>
        <translation>受信機にメモリーを %1 件書き込みました（バージョン %2）</translation>
    </message>
    <message>
        <source>The settings read from the receiver, version %1</source>
        <translation>受信機から設定を読み込みました（バージョン %1）</translation>
    </message>
    <message>
        <source>The settings written to the receiver, version %1</source>
        <translation>受信機に設定を書き込みました（バージョン %1）</translation>
    </message>
    <message>
        <source>The banks and links read from the receiver, version %1</source>
        <translation>受信機からバンクとリンクを読み込みました（バージョン %1）</translation>
    </message>
    <message>
        <source>The banks and links written to the receiver, version %1</source>
        <translation>受信機にバンクとリンクを書き込みました（バージョン %1）</translation>
    </message>
    <message>
        <source>One change written to the receiver, version %1</source>
        <translation>受信機に変更を 1 件書き込みました（バージョン %1）</translation>
    </message>
    <message>
        <source>%1 changes written to the receiver, version %2</source>
        <translation>受信機に変更を %1 件書き込みました（バージョン %2）</translation>
    </message>
    <message>
        <source>Read back and compared: the receiver holds everything written.</source>
        <translation>読み戻して照合しました。書き込んだ内容はすべて受信機に保存されています。</translation>
    </message>
</context>
<context>
    <name>r36::ui::UserGuide</name>
    <message>
        <source>guide.md</source>
        <extracomment>The user guide&apos;s file in this language, beside guide.md: guide.ja.md.</extracomment>
        <translation>guide.ja.md</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>ユーザーガイド</translation>
    </message>
    <message>
        <source>The user guide is not installed.</source>
        <translation>ユーザーガイドがインストールされていません。</translation>
    </message>
    <message>
        <source>Looked for guide.md in:
%1</source>
        <translation>guide.md を次の場所で探しました:
%1</translation>
    </message>
</context>
<context>
    <name>r36::ui::VersionWindow</name>
    <message>
        <source>Version</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
