<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AccessibleWidgets</name>
    <message>
        <source>%1, %2% opaque</source>
        <translation>%1、不透明度 %2%</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>色</translation>
    </message>
</context>
<context>
    <name>AppInfo</name>
    <message>
        <source>Copyright © 2026 The Brindle developers</source>
        <translation>Copyright © 2026 Brindle 開発者一同</translation>
    </message>
    <message>
        <source>Released under the MIT License.</source>
        <translation>MIT ライセンスのもとで公開されています。</translation>
    </message>
</context>
<context>
    <name>Contrast</name>
    <message>
        <source>hover background</source>
        <translation>ホバー時の背景</translation>
    </message>
    <message>
        <source>active background</source>
        <translation>アクティブ時の背景</translation>
    </message>
    <message>
        <source>background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>start</source>
        <translation>始点</translation>
    </message>
    <message>
        <source>end</source>
        <translation>終点</translation>
    </message>
    <message>
        <source>stop %1</source>
        <translation>分岐点 %1</translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <translation>%2に重ねた%1</translation>
    </message>
    <message>
        <source>icon of “%1”</source>
        <translation>「%1」のアイコン</translation>
    </message>
    <message>
        <source>drop-down arrow</source>
        <translation>ドロップダウンの矢印</translation>
    </message>
</context>
<context>
    <name>DesignApplier</name>
    <message>
        <source>The icon %1 of %2 %3</source>
        <translation>%2 のアイコン %1 は、%3</translation>
    </message>
    <message>
        <source>was left out: there is no preview folder.</source>
        <translation>プレビューフォルダーがないため除外されました。</translation>
    </message>
    <message>
        <source>cannot be decoded and was left out.</source>
        <translation>デコードできないため除外されました。</translation>
    </message>
    <message>
        <source>cannot be encoded and was left out.</source>
        <translation>エンコードできないため除外されました。</translation>
    </message>
    <message>
        <source>cannot be written to the preview folder (%1) and was left out.</source>
        <translation>プレビューフォルダーに書き込めないため（%1）除外されました。</translation>
    </message>
    <message>
        <source>The icon %1 of %2 is kept as %3: another picture has its name.</source>
        <translation>別の画像が同じ名前を使っているため、%2 のアイコン %1 は %3 として保存されました。</translation>
    </message>
    <message>
        <source>The SVG icon %1 of %2 cannot be written to the preview folder (%3); its pictures stand for it.</source>
        <translation>%2 の SVG アイコン %1 をプレビューフォルダーに書き込めません（%3）。代わりにその画像が使われます。</translation>
    </message>
    <message>
        <source>item %1 of the bar</source>
        <translation>バーの %1 番目の項目</translation>
    </message>
    <message>
        <source>item %1 under %2</source>
        <translation>%2 の下の %1 番目の項目</translation>
    </message>
</context>
<context>
    <name>DesignGallery</name>
    <message>
        <source>the design is not a project file</source>
        <translation>デザインがプロジェクトファイルではありません</translation>
    </message>
    <message>
        <source>a design needs a name</source>
        <translation>デザインには名前が必要です</translation>
    </message>
    <message>
        <source>a name cannot begin or end with a space</source>
        <translation>名前の先頭と末尾にはスペースを使えません</translation>
    </message>
    <message>
        <source>a name may have at most %1 characters</source>
        <translation>名前に使えるのは %1 文字までです</translation>
    </message>
    <message>
        <source>a name cannot begin with a full stop</source>
        <translation>名前の先頭にピリオド（.）は使えません</translation>
    </message>
    <message>
        <source>a name cannot hold “%1”</source>
        <translation>名前に「%1」は使えません</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>フォルダー %1 を作成できません</translation>
    </message>
    <message>
        <source>built-in designs cannot be renamed</source>
        <translation>組み込みのデザインは名前を変更できません</translation>
    </message>
    <message>
        <source>a design called “%1” exists</source>
        <translation>「%1」という名前のデザインがすでにあります</translation>
    </message>
    <message>
        <source>the design file cannot be renamed</source>
        <translation>デザインファイルの名前を変更できません</translation>
    </message>
    <message>
        <source>built-in designs cannot be removed</source>
        <translation>組み込みのデザインは削除できません</translation>
    </message>
    <message>
        <source>the design file cannot be removed</source>
        <translation>デザインファイルを削除できません</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>“%1” could not be written: %2</source>
        <translation>「%1」を書き込めませんでした：%2</translation>
    </message>
    <message>
        <source>The icon “%1” was not copied: its name is not a plain file name.</source>
        <translation>アイコン「%1」はコピーされませんでした：名前が単純なファイル名ではありません。</translation>
    </message>
    <message>
        <source>The icon “%1” was not copied: %2</source>
        <translation>アイコン「%1」はコピーされませんでした：%2</translation>
    </message>
    <message>
        <source>The icons were not copied: there is no preview folder.</source>
        <translation>アイコンはコピーされませんでした：プレビューフォルダーがありません。</translation>
    </message>
    <message>
        <source>%1 holds files of the same name: %2</source>
        <translation>%1 には同じ名前のファイルがあります：%2</translation>
    </message>
    <message>
        <source>Classic pages show two levels: the menu’s third level stays in the design but is not on the page. The Modern style shows it.</source>
        <translation>クラシックのページは2階層までを表示します。メニューの第3階層はデザインに残りますが、ページには載りません。モダンのスタイルでは表示されます。</translation>
    </message>
</context>
<context>
    <name>GradientSettings</name>
    <message>
        <source>sub-menu</source>
        <translation>サブメニュー</translation>
    </message>
    <message>
        <source>main menu</source>
        <translation>メインメニュー</translation>
    </message>
    <message>
        <source>hover</source>
        <translation>ホバー時</translation>
    </message>
    <message>
        <source>active</source>
        <translation>アクティブ時</translation>
    </message>
    <message>
        <source>background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>text</source>
        <translation>テキスト</translation>
    </message>
</context>
<context>
    <name>IconFiles</name>
    <message>
        <source>the picture cannot be encoded</source>
        <translation>画像をエンコードできません</translation>
    </message>
</context>
<context>
    <name>IconImporter</name>
    <message>
        <source>The preview folder is not available.</source>
        <translation>プレビューフォルダーを使用できません。</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>ファイルを読み込めません。</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>ファイルが %1 MB を超えています。</translation>
    </message>
    <message>
        <source>The file cannot be read (%1).</source>
        <translation>ファイルを読み込めません（%1）。</translation>
    </message>
    <message>
        <source>It is not a PNG, JPEG or GIF picture.</source>
        <translation>PNG、JPEG、GIF のいずれの画像でもありません。</translation>
    </message>
    <message>
        <source>The picture cannot be decoded, or it is larger than %1 pixels on a side or %2 million pixels in all.</source>
        <translation>画像をデコードできないか、一辺が %1 ピクセルを超えるか、全体で %2 メガピクセルを超えています。</translation>
    </message>
    <message>
        <source>An SVG icon goes into the Icon field; it is sharp at every size without a double-resolution file.</source>
        <translation>SVG アイコンは「アイコン」欄で指定してください。SVG はどのサイズでも鮮明に表示されるため、2 倍解像度のファイルは不要です。</translation>
    </message>
    <message>
        <source>It cannot be encoded for the preview folder.</source>
        <translation>プレビューフォルダー用にエンコードできません。</translation>
    </message>
    <message>
        <source>It cannot be copied into the preview folder (%1).</source>
        <translation>プレビューフォルダーにコピーできません（%1）。</translation>
    </message>
    <message>
        <source>It cannot be used: %1.</source>
        <translation>使用できません：%1。</translation>
    </message>
    <message>
        <source>It is %1 × %2 px large; a menu icon is at most %3 px on a side.</source>
        <translation>サイズが %1 × %2 px です。メニューアイコンは一辺 %3 px までです。</translation>
    </message>
    <message>
        <source>It cannot be drawn.</source>
        <translation>描画できません。</translation>
    </message>
</context>
<context>
    <name>MenuImport</name>
    <message>
        <source>The page cannot be read.</source>
        <translation>ページを読み込めません。</translation>
    </message>
    <message>
        <source>The page has no navigation and no list of links.</source>
        <translation>このページにはナビゲーションもリンクのリストもありません。</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>ファイルが %1 MB を超えています。</translation>
    </message>
    <message>
        <source>No menu items were found in the file.</source>
        <translation>ファイルにメニュー項目が見つかりませんでした。</translation>
    </message>
    <message>
        <source>The menu has %1 items; a menu holds at most %2.</source>
        <translation>メニューの項目数は %1 です。メニューに入れられるのは最大 %2 項目です。</translation>
    </message>
    <message>
        <source>Items deeper than %1 levels, placed in level %1: %2</source>
        <translation>%1 階層より深く、第 %1 階層に置いた項目: %2</translation>
    </message>
    <message>
        <source>Items without a title, left out: %1</source>
        <translation>タイトルがなく、省いた項目: %1</translation>
    </message>
    <message>
        <source>Script links, left out (their items kept without a link): %1</source>
        <translation>省いたスクリプトのリンク(項目はリンクなしで残しています): %1</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>ファイルを読み込めません: %1</translation>
    </message>
    <message>
        <source>The file is a sitemap index: import one of the sitemaps it lists.</source>
        <translation>このファイルはサイトマップのインデックスです。一覧にあるサイトマップのどれかをインポートしてください。</translation>
    </message>
    <message>
        <source>The file is not a sitemap (a urlset of sitemaps.org).</source>
        <translation>このファイルはサイトマップ(sitemaps.org の urlset)ではありません。</translation>
    </message>
    <message>
        <source>The sitemap cannot be read: %1 (line %2).</source>
        <translation>サイトマップを読み込めません: %1(%2 行目)。</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>Addresses listed twice, taken once: %1</source>
        <translation>重複していて一度だけ取り込んだアドレス: %1</translation>
    </message>
    <message>
        <source>Entries that are not web addresses, left out: %1</source>
        <translation>ウェブアドレスではなく省いた項目: %1</translation>
    </message>
    <message>
        <source>The sitemap lists no web addresses.</source>
        <translation>サイトマップにウェブアドレスがありません。</translation>
    </message>
</context>
<context>
    <name>MenuStructureView</name>
    <message>
        <source>A menu item needs a title: a link without one says nothing to visitors.</source>
        <translation>メニュー項目にはタイトルが必要です。タイトルのないリンクは訪問者に何も伝えません。</translation>
    </message>
</context>
<context>
    <name>PageOpener</name>
    <message>
        <source>Page Not Opened</source>
        <translation>ページを開けませんでした</translation>
    </message>
    <message>
        <source>The page could not be opened in a browser: %1</source>
        <translation>ブラウザーでページを開けませんでした：%1</translation>
    </message>
    <message>
        <source>Open it by hand:
%1</source>
        <translation>手動で開いてください：
%1</translation>
    </message>
    <message>
        <source>the desktop&apos;s opener (xdg-open) is missing.</source>
        <translation>デスクトップのオープナー（xdg-open）が見つかりません。</translation>
    </message>
    <message>
        <source>the desktop&apos;s opener (xdg-open) ended with error %1.</source>
        <translation>デスクトップのオープナー（xdg-open）がエラー %1 で終了しました。</translation>
    </message>
</context>
<context>
    <name>PreviewFolder</name>
    <message>
        <source>the name is reserved for Brindle&apos;s own use</source>
        <translation>この名前は Brindle が内部で使用します</translation>
    </message>
    <message>
        <source>the preview folder&apos;s file list cannot be written</source>
        <translation>プレビューフォルダーのファイル一覧を書き込めません</translation>
    </message>
    <message>
        <source>the old script cannot be removed</source>
        <translation>古いスクリプトを削除できません</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>the file cannot be read: </source>
        <translation>ファイルを読み込めません：</translation>
    </message>
    <message>
        <source>the file is too large to be a project file</source>
        <translation>ファイルがプロジェクトファイルとしては大きすぎます</translation>
    </message>
    <message>
        <source>the file is not a property list</source>
        <translation>ファイルがプロパティリストではありません</translation>
    </message>
    <message>
        <source>the file is a property list but not an array</source>
        <translation>ファイルはプロパティリストですが、配列ではありません</translation>
    </message>
</context>
<context>
    <name>ProjectReader</name>
    <message>
        <source>the file ends early: %1 is missing</source>
        <translation>ファイルが途中で終わっています：%1 がありません</translation>
    </message>
    <message>
        <source>element %1 (%2) should be %3 but is %4</source>
        <translation>要素 %1（%2）は%3である必要がありますが、%4です</translation>
    </message>
    <message>
        <source>element %1 (%2) holds %3, which is out of range</source>
        <translation>要素 %1（%2）の値 %3 は範囲外です</translation>
    </message>
    <message>
        <source>element %1 (%2) is not a finite number</source>
        <translation>要素 %1（%2）が有限の数値ではありません</translation>
    </message>
    <message>
        <source>element %1 (%2) is negative: %3</source>
        <translation>要素 %1（%2）が負の値です：%3</translation>
    </message>
    <message>
        <source>element %1 (%2) claims %3 items, more than the file holds</source>
        <translation>要素 %1（%2）には %3 個の項目があるとされていますが、ファイルにはそれだけの項目がありません</translation>
    </message>
    <message>
        <source>which is not valid UTF-8 text</source>
        <translation>有効な UTF-8 テキストではありません</translation>
    </message>
    <message>
        <source>which is longer than a file name may be (%1 bytes)</source>
        <translation>ファイル名の上限（%1 バイト）を超えています</translation>
    </message>
    <message>
        <source>which is not a plain file name or is reserved for a generated file</source>
        <translation>単純なファイル名ではないか、生成されるファイル用に予約されています</translation>
    </message>
    <message>
        <source>, file name</source>
        <translation>、ファイル名</translation>
    </message>
    <message>
        <source>%1 has the file name %2, %3</source>
        <translation>%1 のファイル名 %2 は、%3</translation>
    </message>
    <message>
        <source>, icon class</source>
        <translation>、アイコンクラス</translation>
    </message>
    <message>
        <source>, icon gap</source>
        <translation>、アイコンの間隔</translation>
    </message>
    <message>
        <source>, double-resolution icon</source>
        <translation>、2 倍解像度アイコン</translation>
    </message>
    <message>
        <source>number of menu items</source>
        <translation>メニュー項目の数</translation>
    </message>
    <message>
        <source>menu item %1</source>
        <translation>メニュー項目 %1</translation>
    </message>
    <message>
        <source>, number of sub-items</source>
        <translation>、サブ項目の数</translation>
    </message>
    <message>
        <source>the file has %1 unexpected elements after its last menu item</source>
        <translation>最後のメニュー項目の後に、予期しない要素が %1 個あります</translation>
    </message>
    <message>
        <source>%1 should be a dictionary but is %2</source>
        <translation>%1 は辞書である必要がありますが、%2です</translation>
    </message>
    <message>
        <source>%1 has the unknown key %2</source>
        <translation>%1 に不明なキー %2 があります</translation>
    </message>
    <message>
        <source>%1 has no SVG document as UTF-8 text</source>
        <translation>%1 に UTF-8 テキストの SVG ドキュメントがありません</translation>
    </message>
    <message>
        <source>%1 has no SVG file name</source>
        <translation>%1 に SVG のファイル名がありません</translation>
    </message>
    <message>
        <source>%1 has the file name %2, which does not end in “.svg”</source>
        <translation>%1 のファイル名 %2 の末尾が「.svg」ではありません</translation>
    </message>
    <message>
        <source>%1 says whether it follows the text colour with %2, not a boolean</source>
        <translation>%1 では、文字色に合わせるかどうかが真偽値ではなく%2で指定されています</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>%1 を使用できません：%2</translation>
    </message>
    <message>
        <source>%1 holds what an icon must not: %2</source>
        <translation>%1 に、アイコンに含めてはならないものがあります：%2</translation>
    </message>
    <message>
        <source>the items section should be a dictionary but is %1</source>
        <translation>項目セクションは辞書である必要がありますが、%1です</translation>
    </message>
    <message>
        <source>the icon of item %1</source>
        <translation>項目 %1 のアイコン</translation>
    </message>
    <message>
        <source>the items section names %1, which the menu does not have</source>
        <translation>項目セクションに、メニューにない %1 が指定されています</translation>
    </message>
    <message>
        <source>%1 is an SVG without its two pictures</source>
        <translation>%1 は SVG ですが、対応する 2 つの画像がありません</translation>
    </message>
    <message>
        <source>the last element should be a dictionary of output options but is %1</source>
        <translation>最後の要素は出力オプションの辞書である必要がありますが、%1です</translation>
    </message>
    <message>
        <source>the output style is not “classic” or “modern”</source>
        <translation>出力スタイルが「classic」でも「modern」でもありません</translation>
    </message>
    <message>
        <source>the navigation label is not a text that names something</source>
        <translation>ナビゲーションのラベルが、名前として使えるテキストではありません</translation>
    </message>
    <message>
        <source>the phone breakpoint is not a width from %1 to %2 pixels</source>
        <translation>スマートフォン表示に切り替える幅が %1～%2 ピクセルの範囲にありません</translation>
    </message>
    <message>
        <source>the class name is not a CSS class name of up to %1 letters, digits, “-” and “_”</source>
        <translation>クラス名が、英字、数字、「-」、「_」から成る %1 文字以内の CSS クラス名ではありません</translation>
    </message>
    <message>
        <source>the file has no version, so it is not a project file</source>
        <translation>ファイルにバージョンがないため、プロジェクトファイルではありません</translation>
    </message>
    <message>
        <source>the file has the version %1, which this application cannot read</source>
        <translation>ファイルのバージョン %1 は、このアプリケーションでは読み込めません</translation>
    </message>
    <message>
        <source>the file ends early: it has %1 elements, too few for the settings and the number of menu items</source>
        <translation>ファイルが途中で終わっています：要素が %1 個しかなく、設定とメニュー項目の数に足りません</translation>
    </message>
    <message>
        <source>the menu&apos;s direction is not “page”, “ltr” or “rtl”</source>
        <translation>メニューの方向が「page」「ltr」「rtl」のいずれでもありません</translation>
    </message>
    <message>
        <source>setting %1</source>
        <translation>設定 %1</translation>
    </message>
    <message>
        <source>, present</source>
        <translation>、有無</translation>
    </message>
    <message>
        <source>, image</source>
        <translation>、画像</translation>
    </message>
    <message>
        <source>, title</source>
        <translation>、タイトル</translation>
    </message>
    <message>
        <source>, link</source>
        <translation>、リンク</translation>
    </message>
    <message>
        <source>, icon</source>
        <translation>、アイコン</translation>
    </message>
    <message>
        <source>sub-item %1 of %2</source>
        <translation>%2 のサブ項目 %1</translation>
    </message>
    <message>
        <source>the current page&apos;s look is not “active”, “hover” or “plain”</source>
        <translation>現在のページの見た目が「active」「hover」「plain」のいずれでもありません</translation>
    </message>
</context>
<context>
    <name>PropertyList</name>
    <message>
        <source>an integer</source>
        <translation>整数</translation>
    </message>
    <message>
        <source>a real number</source>
        <translation>実数</translation>
    </message>
    <message>
        <source>a boolean</source>
        <translation>真偽値</translation>
    </message>
    <message>
        <source>a dictionary</source>
        <translation>辞書</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>配列</translation>
    </message>
    <message>
        <source>a date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>a key</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>an identifier</source>
        <translation>識別子</translation>
    </message>
    <message>
        <source>an unknown element</source>
        <translation>不明な要素</translation>
    </message>
    <message>
        <source>text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>data</source>
        <translation>バイナリデータ</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Colors</source>
        <translation>カラー</translation>
    </message>
</context>
<context>
    <name>SvgCleaner</name>
    <message>
        <source>processing instruction</source>
        <translation>処理命令</translation>
    </message>
    <message>
        <source>a element&apos;s link</source>
        <translation>a 要素のリンク</translation>
    </message>
    <message>
        <source>id value a reference cannot name</source>
        <translation>参照で指定できない id 値</translation>
    </message>
    <message>
        <source>repeated id</source>
        <translation>重複した id</translation>
    </message>
    <message>
        <source> value reaching outside the file</source>
        <translation> 属性のファイル外への参照</translation>
    </message>
    <message>
        <source>link outside the file</source>
        <translation>ファイル外へのリンク</translation>
    </message>
    <message>
        <source>link to a missing element</source>
        <translation>存在しない要素へのリンク</translation>
    </message>
    <message>
        <source>reference to a missing element</source>
        <translation>存在しない要素への参照</translation>
    </message>
    <message>
        <source>its elements refer to each other in a circle</source>
        <translation>要素どうしが循環参照しています</translation>
    </message>
    <message>
        <source>its references nest more than %1 deep</source>
        <translation>参照の入れ子が %1 階層を超えています</translation>
    </message>
    <message>
        <source>its references would draw more than %1 elements</source>
        <translation>参照によって描画される要素が %1 個を超えます</translation>
    </message>
    <message>
        <source>%1 element</source>
        <translation>%1 要素</translation>
    </message>
    <message>
        <source>%1 attribute</source>
        <translation>%1 属性</translation>
    </message>
</context>
<context>
    <name>SvgCss</name>
    <message>
        <source>%1 style property</source>
        <translation>スタイルプロパティ %1</translation>
    </message>
    <message>
        <source>%1 style value reaching outside the file</source>
        <translation>スタイルプロパティ %1 のファイル外への参照</translation>
    </message>
    <message>
        <source>style rule for %1</source>
        <translation>%1 のスタイルルール</translation>
    </message>
</context>
<context>
    <name>SvgIcon</name>
    <message>
        <source>it cannot be decompressed</source>
        <translation>展開できません</translation>
    </message>
    <message>
        <source>it is larger than %1 KB once decompressed</source>
        <translation>展開後のサイズが %1 KB を超えています</translation>
    </message>
    <message>
        <source>it is not a complete gzip stream</source>
        <translation>完全な gzip ストリームではありません</translation>
    </message>
</context>
<context>
    <name>SvgTree</name>
    <message>
        <source>it is larger than %1 KB</source>
        <translation>サイズが %1 KB を超えています</translation>
    </message>
    <message>
        <source>it declares a DTD or entities, which an icon never needs</source>
        <translation>DTD またはエンティティが宣言されています（アイコンには不要です）</translation>
    </message>
    <message>
        <source>its elements are nested more than %1 deep</source>
        <translation>要素の入れ子が %1 階層を超えています</translation>
    </message>
    <message>
        <source>it has more than %1 elements</source>
        <translation>要素が %1 個を超えています</translation>
    </message>
    <message>
        <source>it is not an SVG image</source>
        <translation>SVG 画像ではありません</translation>
    </message>
    <message>
        <source>it is not well-formed XML (%1)</source>
        <translation>整形式の XML ではありません（%1）</translation>
    </message>
</context>
<context>
    <name>TabStripView</name>
    <message>
        <source>Menu bar state</source>
        <translation>メニューバーの状態</translation>
    </message>
    <message>
        <source>Sub-menu state</source>
        <translation>サブメニューの状態</translation>
    </message>
    <message>
        <source>Source code</source>
        <translation>ソースコード</translation>
    </message>
    <message>
        <source>Application category</source>
        <translation>アプリケーションのカテゴリ</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>通常</translation>
    </message>
    <message>
        <source>Hover</source>
        <translation>ホバー</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>アクティブ</translation>
    </message>
    <message>
        <source>Developer Tools</source>
        <translation>開発ツール</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>ユーティリティ</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>現在</translation>
    </message>
</context>
<context>
    <name>ThumbnailCache</name>
    <message>
        <source>nothing to keep</source>
        <translation>保存するものがありません</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>フォルダー %1 を作成できません</translation>
    </message>
    <message>
        <source>the picture cannot be encoded</source>
        <translation>画像をエンコードできません</translation>
    </message>
</context>
<context>
    <name>brindle::AboutSheet</name>
    <message>
        <source>About %1</source>
        <translation>%1 について</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Navigation bars with drop-down menus, without writing code.</source>
        <translation>コードを書かずに、ドロップダウンメニュー付きのナビゲーションバーを作成。</translation>
    </message>
</context>
<context>
    <name>brindle::ContrastBadge</name>
    <message>
        <source>Text contrast</source>
        <translation>テキストのコントラスト</translation>
    </message>
    <message>
        <source>The text&apos;s contrast is %1 at worst, against the %2.</source>
        <translation>テキストのコントラストは、%2に対する %1 が最低です。</translation>
    </message>
    <message>
        <source>That is below %1 for text of this size, hard to read for many visitors; 3 : 1 applies from 24 px, or 18.66 px bold.</source>
        <translation>このサイズのテキストに必要な %1 を下回っており、多くの訪問者にとって読みにくくなります。3 : 1 が適用されるのは 24 px 以上、または太字で 18.66 px 以上の場合です。</translation>
    </message>
</context>
<context>
    <name>brindle::ContrastWindow</name>
    <message>
        <source>Bar</source>
        <translation>バー</translation>
    </message>
    <message>
        <source>Sub-menu</source>
        <translation>サブメニュー</translation>
    </message>
    <message>
        <source>Hover</source>
        <translation>ホバー</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>アクティブ</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>通常</translation>
    </message>
    <message>
        <source>%1, %2 text</source>
        <translation>%1、%2時のテキスト</translation>
    </message>
    <message>
        <source>Check Contrast</source>
        <translation>コントラストのチェック</translation>
    </message>
    <message>
        <source>Contrast of text, icons and arrows</source>
        <translation>テキスト、アイコン、矢印のコントラスト</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>コントラスト</translation>
    </message>
    <message>
        <source>Needed</source>
        <translation>必要値</translation>
    </message>
    <message>
        <source>Fix in</source>
        <translation>修正場所</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>メインメニュー</translation>
    </message>
    <message>
        <source>Sub-Menu</source>
        <translation>サブメニュー</translation>
    </message>
    <message>
        <source>%1 → %2 tab</source>
        <translation>%1 → %2 タブ</translation>
    </message>
    <message>
        <source>Return or a double click goes there</source>
        <translation>Enter キーまたはダブルクリックでその場所に移動します</translation>
    </message>
    <message>
        <source>on the %1</source>
        <translation>%1の上</translation>
    </message>
    <message>
        <source>%1 on the %2</source>
        <translation>%2の上の%1</translation>
    </message>
    <message>
        <source>A quarter of what it draws reaches this contrast; icons and arrows need 3 : 1.</source>
        <translation>描画部分の 4 分の 1 がこのコントラストに達しています。アイコンと矢印には 3 : 1 が必要です。</translation>
    </message>
</context>
<context>
    <name>brindle::CurrentPageView</name>
    <message>
        <source>Current page</source>
        <translation>現在のページ</translation>
    </message>
    <message>
        <source>As pressed</source>
        <translation>押したときと同じ</translation>
    </message>
    <message>
        <source>As hovered</source>
        <translation>ポインターを重ねたときと同じ</translation>
    </message>
    <message>
        <source>As the others</source>
        <translation>ほかの項目と同じ</translation>
    </message>
    <message>
        <source>How a Modern menu shows the bar&apos;s item of the page being shown, and the bar&apos;s item above a current sub-item. Your site&apos;s own aria-current=&quot;page&quot; marks work too.</source>
        <translation>モダンメニューが、表示中のページのバーの項目と、現在のサブ項目の上にあるバーの項目をどう見せるか。サイト独自の aria-current=&quot;page&quot; の印にも効きます。</translation>
    </message>
    <message>
        <source>How a Modern menu shows the drop-down item of the page being shown.</source>
        <translation>モダンメニューが、表示中のページのドロップダウン項目をどう見せるか。</translation>
    </message>
    <message>
        <source>current page</source>
        <translation>現在のページ</translation>
    </message>
    <message>
        <source>Looks</source>
        <translation>見た目</translation>
    </message>
</context>
<context>
    <name>brindle::DesignGalleryDialog</name>
    <message>
        <source>%1, built-in design</source>
        <translation>%1、組み込みのデザイン</translation>
    </message>
    <message>
        <source>%1, your design</source>
        <translation>%1、自作のデザイン</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>選択(&amp;C)</translation>
    </message>
    <message>
        <source>Re&amp;name…</source>
        <translation>名前を変更(&amp;N)…</translation>
    </message>
    <message>
        <source>&amp;Remove…</source>
        <translation>削除(&amp;R)…</translation>
    </message>
    <message>
        <source>&amp;Show this gallery when Brindle starts</source>
        <translation>Brindle の起動時にこのギャラリーを表示(&amp;S)</translation>
    </message>
    <message>
        <source>New from Design</source>
        <translation>デザインから新規作成</translation>
    </message>
    <message>
        <source>Choose a design to start from. You may keep your menu or take the design&apos;s sample menu.</source>
        <translation>もとにするデザインを選んでください。現在のメニューをそのまま使うことも、デザインのサンプルメニューを使うこともできます。</translation>
    </message>
    <message>
        <source>Designs</source>
        <translation>デザイン</translation>
    </message>
    <message>
        <source>Continue with:</source>
        <translation>作業を再開:</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>%1 を開く</translation>
    </message>
    <message>
        <source>Rename Design</source>
        <translation>デザイン名の変更</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>新しい名前:</translation>
    </message>
    <message>
        <source>Design Not Renamed</source>
        <translation>デザイン名を変更できませんでした</translation>
    </message>
    <message>
        <source>“%1” could not be renamed: %2.</source>
        <translation>「%1」の名前を変更できませんでした：%2。</translation>
    </message>
    <message>
        <source>Remove Design</source>
        <translation>デザインの削除</translation>
    </message>
    <message>
        <source>Remove “%1” from the gallery?</source>
        <translation>「%1」をギャラリーから削除しますか？</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Design Not Removed</source>
        <translation>デザインを削除できませんでした</translation>
    </message>
    <message>
        <source>“%1” could not be removed: %2.</source>
        <translation>「%1」を削除できませんでした：%2。</translation>
    </message>
</context>
<context>
    <name>brindle::DesignHistory</name>
    <message>
        <source>Menu Change</source>
        <translation>メニューの変更</translation>
    </message>
    <message>
        <source>Output Options</source>
        <translation>出力オプションの変更</translation>
    </message>
    <message>
        <source>Style Change</source>
        <translation>スタイルの変更</translation>
    </message>
</context>
<context>
    <name>brindle::Document</name>
    <message>
        <source>&amp;New</source>
        <translation>新規(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>開く(&amp;O)…</translation>
    </message>
    <message>
        <source>Recover &amp;Unsaved Work…</source>
        <translation>未保存の作業を復元(&amp;U)…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>名前を付けて保存(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>%1を元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>%1をやり直す(&amp;R)</translation>
    </message>
    <message>
        <source>Icons Not Restored</source>
        <translation>アイコンを復元できませんでした</translation>
    </message>
    <message>
        <source>The preview and exports may show other pictures for these icons:
%1</source>
        <translation>プレビューと書き出したファイルでは、次のアイコンに別の画像が表示される可能性があります：
%1</translation>
    </message>
    <message>
        <source>Unsaved work is kept for recovery again.</source>
        <translation>未保存の作業の復元用コピーを、再び保管できるようになりました。</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>名称未設定</translation>
    </message>
    <message>
        <source>%1[*] — Brindle</source>
        <translation>%1[*] — Brindle</translation>
    </message>
    <message>
        <source>The design</source>
        <translation>デザイン</translation>
    </message>
    <message>
        <source>The unsaved work</source>
        <translation>未保存の作業</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>未保存の変更</translation>
    </message>
    <message>
        <source>Do you want to save the changes to “%1”?</source>
        <translation>「%1」への変更を保存しますか？</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them.</source>
        <translation>保存しないと、変更内容は失われます。</translation>
    </message>
    <message>
        <source>Recover Unsaved Work</source>
        <translation>未保存の作業の復元</translation>
    </message>
    <message>
        <source>There is no unsaved work to recover.</source>
        <translation>復元できる未保存の作業はありません。</translation>
    </message>
    <message>
        <source>Recovery Failed</source>
        <translation>復元できませんでした</translation>
    </message>
    <message>
        <source>The unsaved work could not be read (%1); it was set aside as “%2”.</source>
        <translation>未保存の作業を読み込めませんでした（%1）。「%2」として別に保管しました。</translation>
    </message>
    <message>
        <source>Recovery Copy Not Written</source>
        <translation>復元用コピーを書き込めませんでした</translation>
    </message>
    <message>
        <source>The restored work could not be kept in “%1”, so its earlier copy stays there and will be offered again. Save the design to keep it.</source>
        <translation>復元した作業を「%1」に保管できなかったため、以前のコピーがそのまま残り、次回も復元が提案されます。残すにはデザインを保存してください。</translation>
    </message>
    <message>
        <source>Unsaved work cannot be kept for recovery in %1.</source>
        <translation>%1 に未保存の作業の復元用コピーを保管できません。</translation>
    </message>
    <message>
        <source>Brindle could not keep a copy of your unsaved work in “%1”: %2
It keeps trying; save the design to be safe.</source>
        <translation>Brindle は未保存の作業のコピーを「%1」に保管できませんでした：%2
保管は引き続き試みます。念のためデザインを保存してください。</translation>
    </message>
</context>
<context>
    <name>brindle::GalleryActions</name>
    <message>
        <source>New from &amp;Design…</source>
        <translation>デザインから新規作成(&amp;D)…</translation>
    </message>
    <message>
        <source>Save Design to &amp;Gallery…</source>
        <translation>デザインをギャラリーに保存(&amp;G)…</translation>
    </message>
    <message>
        <source>Keep Your Menu?</source>
        <translation>メニューを残しますか？</translation>
    </message>
    <message>
        <source>Start from “%1” with your menu, or with the design&apos;s sample menu?</source>
        <translation>「%1」を現在のメニューで始めますか？それともデザインのサンプルメニューで始めますか？</translation>
    </message>
    <message>
        <source>Your menu keeps its items, links, icons and output options; only the look changes.</source>
        <translation>現在のメニューの項目、リンク、アイコン、出力オプションはそのまま残り、見た目だけが変わります。</translation>
    </message>
    <message>
        <source>&amp;Keep My Menu</source>
        <translation>メニューを残す(&amp;K)</translation>
    </message>
    <message>
        <source>Use &amp;Sample Menu</source>
        <translation>サンプルメニューを使う(&amp;S)</translation>
    </message>
    <message>
        <source>Save Design to Gallery</source>
        <translation>デザインをギャラリーに保存</translation>
    </message>
    <message>
        <source>Name of the design:</source>
        <translation>デザイン名:</translation>
    </message>
    <message>
        <source>Design Not Saved</source>
        <translation>デザインを保存できませんでした</translation>
    </message>
    <message>
        <source>The design was not saved: %1.</source>
        <translation>デザインは保存されませんでした：%1。</translation>
    </message>
    <message>
        <source>Replace Design?</source>
        <translation>デザインを置き換えますか？</translation>
    </message>
    <message>
        <source>A design called “%1” is in the gallery. Replace it?</source>
        <translation>「%1」という名前のデザインがすでにギャラリーにあります。置き換えますか？</translation>
    </message>
    <message>
        <source>Saved “%1” to the gallery</source>
        <translation>「%1」をギャラリーに保存しました</translation>
    </message>
</context>
<context>
    <name>brindle::GradientPanel</name>
    <message>
        <source>Start</source>
        <translation>始点</translation>
    </message>
    <message>
        <source>start</source>
        <translation>始点</translation>
    </message>
    <message>
        <source>Stop 1</source>
        <translation>分岐点 1</translation>
    </message>
    <message>
        <source>stop 1</source>
        <translation>分岐点 1</translation>
    </message>
    <message>
        <source>Stop 2</source>
        <translation>分岐点 2</translation>
    </message>
    <message>
        <source>stop 2</source>
        <translation>分岐点 2</translation>
    </message>
    <message>
        <source>Stop 3</source>
        <translation>分岐点 3</translation>
    </message>
    <message>
        <source>stop 3</source>
        <translation>分岐点 3</translation>
    </message>
    <message>
        <source>End</source>
        <translation>終点</translation>
    </message>
    <message>
        <source>end</source>
        <translation>終点</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>%1 colour</source>
        <translation>%1の色</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>%1 position</source>
        <translation>%1の位置</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>opacity</source>
        <translation>不透明度</translation>
    </message>
</context>
<context>
    <name>brindle::LeftWorkDialog</name>
    <message>
        <source>Recover Unsaved Work</source>
        <translation>未保存の作業の復元</translation>
    </message>
    <message>
        <source>Brindle ended without saving these designs. Restore one to continue where you left off; the others are kept for later.</source>
        <translation>Brindle は以下のデザインを保存せずに終了しました。1 つを復元すると、中断したところから作業を続けられます。ほかのデザインは後で使えるように保管されます。</translation>
    </message>
    <message>
        <source>Unsaved designs</source>
        <translation>未保存のデザイン</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>復元(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Discard…</source>
        <translation>破棄(&amp;D)…</translation>
    </message>
    <message>
        <source>&amp;Keep for Later</source>
        <translation>後で使う(&amp;K)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>名称未設定</translation>
    </message>
    <message>
        <source>%1
kept %2 — cannot be read</source>
        <translation>%1
%2 に保管 — 読み込めません</translation>
    </message>
    <message>
        <source>1 item</source>
        <translation>1 項目</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 項目</translation>
    </message>
    <message>
        <source>%1
kept %2 — %3: %4</source>
        <translation>%1
%2 に保管 — %3：%4</translation>
    </message>
    <message>
        <source>Discard Unsaved Work</source>
        <translation>未保存の作業の破棄</translation>
    </message>
    <message>
        <source>Discard the unsaved work “%1”?</source>
        <translation>未保存の作業「%1」を破棄しますか？</translation>
    </message>
    <message>
        <source>It cannot be brought back.</source>
        <translation>破棄すると元に戻せません。</translation>
    </message>
</context>
<context>
    <name>brindle::MainWindow</name>
    <message>
        <source>Modes</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Menu preview</source>
        <translation>メニューのプレビュー</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近使ったファイル(&amp;R)</translation>
    </message>
    <message>
        <source>Export &amp;HTML…</source>
        <translation>HTML を書き出し(&amp;H)…</translation>
    </message>
    <message>
        <source>Export &amp;CSS…</source>
        <translation>CSS を書き出し(&amp;C)…</translation>
    </message>
    <message>
        <source>Export &amp;All…</source>
        <translation>すべて書き出し(&amp;E)…</translation>
    </message>
    <message>
        <source>Export Sn&amp;ippet…</source>
        <translation>スニペットを書き出し(&amp;I)…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Open in &amp;Browser</source>
        <translation>ブラウザーで開く(&amp;B)</translation>
    </message>
    <message>
        <source>The preview is not ready yet.</source>
        <translation>プレビューはまだ準備できていません。</translation>
    </message>
    <message>
        <source>Check &amp;Contrast…</source>
        <translation>コントラストをチェック(&amp;C)…</translation>
    </message>
    <message>
        <source>Open Check Contrast</source>
        <translation>「コントラストのチェック」を開く</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>Copy &amp;HTML</source>
        <translation>HTML をコピー(&amp;H)</translation>
    </message>
    <message>
        <source>Copy C&amp;SS</source>
        <translation>CSS をコピー(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Brindle &amp;Home Page</source>
        <translation>Brindle ホームページ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Related Applications…</source>
        <translation>関連アプリケーション(&amp;R)…</translation>
    </message>
    <message>
        <source>&amp;About Brindle</source>
        <translation>Brindle について(&amp;A)</translation>
    </message>
    <message>
        <source>The preview folder could not be created in %1; the preview stays empty.</source>
        <translation>%1 にプレビューフォルダーを作成できなかったため、プレビューは空のままです。</translation>
    </message>
    <message>
        <source>1 text colour hard to read</source>
        <translation>読みにくい文字色 1 件</translation>
    </message>
    <message>
        <source>%1 text colours hard to read</source>
        <translation>読みにくい文字色 %1 件</translation>
    </message>
    <message>
        <source>1 icon or arrow hard to see</source>
        <translation>見えにくいアイコン・矢印 1 件</translation>
    </message>
    <message>
        <source>%1 icons or arrows hard to see</source>
        <translation>見えにくいアイコン・矢印 %1 件</translation>
    </message>
</context>
<context>
    <name>brindle::MenuImportActions</name>
    <message>
        <source>Import &amp;Menu…</source>
        <translation>メニューをインポート(&amp;I)…</translation>
    </message>
    <message>
        <source>Take the menu of a site&apos;s page, sitemap or outline; the style stays</source>
        <translation>サイトのページ、サイトマップ、アウトラインからメニューを取り込みます。スタイルはそのままです</translation>
    </message>
    <message>
        <source>Menu Not Imported</source>
        <translation>メニューをインポートできませんでした</translation>
    </message>
    <message>
        <source>No menu could be taken from “%1”: %2</source>
        <translation>「%1」からメニューを取り込めませんでした: %2</translation>
    </message>
    <message>
        <source>Import Menu</source>
        <translation>メニューのインポート</translation>
    </message>
    <message>
        <source>The menu of “%1” was imported; Undo brings the previous one back.</source>
        <translation>「%1」のメニューをインポートしました。元に戻すと以前のメニューに戻ります。</translation>
    </message>
    <message>
        <source>Menu Imported</source>
        <translation>メニューをインポートしました</translation>
    </message>
    <message>
        <source>The menu of “%1” was imported. Not all of it could be taken as it was:

%2</source>
        <translation>「%1」のメニューをインポートしました。一部はそのままの形では取り込めませんでした:

%2</translation>
    </message>
</context>
<context>
    <name>brindle::MenuItemForm</name>
    <message>
        <source>Icon &amp;follows the text colour</source>
        <translation>アイコンを文字色に合わせる(&amp;F)</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>作成</translation>
    </message>
    <message>
        <source>Space between the icon and the title</source>
        <translation>アイコンとタイトルの間隔</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>タイトル(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>種類(&amp;K):</translation>
    </message>
    <message>
        <source>&amp;Link:</source>
        <translation>リンク(&amp;L):</translation>
    </message>
    <message>
        <source>&amp;Icon:</source>
        <translation>アイコン(&amp;I):</translation>
    </message>
    <message>
        <source>Icon (&amp;2×):</source>
        <translation>アイコン (&amp;2×):</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>Icon &amp;gap:</source>
        <translation>アイコンの間隔(&amp;G):</translation>
    </message>
    <message>
        <source>Icon gap</source>
        <translation>アイコンの間隔</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>選択…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Choose %1 file</source>
        <translation>%1のファイルを選択</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>%1をクリア</translation>
    </message>
    <message>
        <source>C&amp;reate</source>
        <translation>作成(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Choose Icon</source>
        <translation>アイコンの選択</translation>
    </message>
    <message>
        <source>Choose Double-Resolution Icon</source>
        <translation>2 倍解像度アイコンの選択</translation>
    </message>
    <message>
        <source>Icons (*.svg *.svgz *.png *.jpeg *.jpg *.gif *.SVG *.SVGZ *.PNG *.JPEG *.JPG *.GIF)</source>
        <translation>アイコン (*.svg *.svgz *.png *.jpeg *.jpg *.gif *.SVG *.SVGZ *.PNG *.JPEG *.JPG *.GIF)</translation>
    </message>
    <message>
        <source>SVG icons (*.svg *.svgz *.SVG *.SVGZ)</source>
        <translation>SVG アイコン (*.svg *.svgz *.SVG *.SVGZ)</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpeg *.jpg *.gif *.PNG *.JPEG *.JPG *.GIF)</source>
        <translation>画像 (*.png *.jpeg *.jpg *.gif *.PNG *.JPEG *.JPG *.GIF)</translation>
    </message>
    <message>
        <source>An SVG icon is sharp at every size: it needs no double-resolution file.</source>
        <translation>SVG アイコンはどのサイズでも鮮明なため、2 倍解像度のファイルは不要です。</translation>
    </message>
    <message>
        <source>The icon&apos;s black parts take the colour of the item&apos;s text, also on hover and while pressed (an SVG icon only)</source>
        <translation>アイコンの黒い部分が、ホバー時や押している間も含めて項目の文字色になります（SVG アイコンのみ）</translation>
    </message>
    <message>
        <source>Classic pages show the icon&apos;s pictures, which keep their colours: choose the Modern output style for an icon in the text&apos;s colour</source>
        <translation>クラシックのページではアイコンの画像が元の色のまま表示されます。文字色のアイコンにするには、出力スタイルで「モダン」を選んでください</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>メインメニュー</translation>
    </message>
    <message>
        <source>Sub Menu</source>
        <translation>サブメニュー</translation>
    </message>
    <message>
        <source>Third Level</source>
        <translation>第3階層</translation>
    </message>
</context>
<context>
    <name>brindle::MenuStructureView</name>
    <message>
        <source>Add a menu item</source>
        <translation>メニュー項目を追加</translation>
    </message>
    <message>
        <source>Remove the selected item</source>
        <translation>選択した項目を削除</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>編集…</translation>
    </message>
    <message>
        <source>Edit the selected item</source>
        <translation>選択した項目を編集</translation>
    </message>
    <message>
        <source>Menu items</source>
        <translation>メニュー項目</translation>
    </message>
    <message>
        <source>“%1”: %2</source>
        <translation>「%1」：%2</translation>
    </message>
    <message>
        <source>“%1” was cleaned for the web: left out %2.</source>
        <translation>「%1」を Web 用に整理し、%2 を除外しました。</translation>
    </message>
    <message>
        <source>The icon is kept as %1: another picture is already called %2.</source>
        <translation>別の画像がすでに %2 という名前のため、アイコンは %1 として保存されました。</translation>
    </message>
    <message>
        <source>Icon Not Used</source>
        <translation>アイコンを使用できません</translation>
    </message>
    <message>
        <source>An icon could not be used.</source>
        <translation>アイコンを使用できませんでした。</translation>
    </message>
    <message>
        <source>Two icons could not be used.</source>
        <translation>2 つのアイコンを使用できませんでした。</translation>
    </message>
    <message>
        <source>The item keeps the icon it had before.</source>
        <translation>項目のアイコンは以前のままです。</translation>
    </message>
    <message>
        <source>Delete Menu</source>
        <translation>メニューの削除</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot; and all of its sub menus?</source>
        <translation>「%1」とそのすべてのサブメニューを削除してもよろしいですか？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>brindle::MenuTreeModel</name>
    <message>
        <source>Rename Item</source>
        <translation>項目名の変更</translation>
    </message>
    <message>
        <source>Move Item</source>
        <translation>項目の移動</translation>
    </message>
    <message>
        <source>Add Item</source>
        <translation>項目の追加</translation>
    </message>
    <message>
        <source>Delete “%1”</source>
        <translation>「%1」の削除</translation>
    </message>
    <message>
        <source>Edit Item</source>
        <translation>項目の編集</translation>
    </message>
</context>
<context>
    <name>brindle::OutputView</name>
    <message>
        <source>Output</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>クラシック</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>モダン</translation>
    </message>
    <message>
        <source>Classic: the original page, opened by mouse hover.
Modern: standard CSS in a navigation landmark, usable with the keyboard, on touch screens and on phones.</source>
        <translation>クラシック：従来のページ。マウスのホバーで開きます。
モダン：ナビゲーションランドマーク内の標準的な CSS。キーボード、タッチスクリーン、スマートフォンで操作できます。</translation>
    </message>
    <message>
        <source>The name screen readers give the navigation landmark</source>
        <translation>スクリーンリーダーがナビゲーションランドマークに付ける名前</translation>
    </message>
    <message>
        <source>Narrower screens show the menu as a vertical list behind a “Menu” button</source>
        <translation>これより狭い画面では、メニューは「Menu」ボタンで開く縦のリストとして表示されます</translation>
    </message>
    <message>
        <source>Every class and id of the Modern page and of the snippet starts with it, so the menu keeps to itself in your site: letters, digits, “-” and “_”, beginning with a letter</source>
        <translation>モダンのページとスニペットのすべてのクラスと ID はこの名前で始まるため、メニューがサイト内のほかの部分と干渉しません。使えるのは英字、数字、「-」、「_」で、先頭は英字です</translation>
    </message>
    <message>
        <source>style</source>
        <translation>スタイル</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>スタイル</translation>
    </message>
    <message>
        <source>menu name</source>
        <translation>メニュー名</translation>
    </message>
    <message>
        <source>Menu name</source>
        <translation>メニュー名</translation>
    </message>
    <message>
        <source>phone layout below</source>
        <translation>スマートフォン表示に切り替える幅</translation>
    </message>
    <message>
        <source>Phone below</source>
        <translation>スマホ表示の上限</translation>
    </message>
    <message>
        <source>class name</source>
        <translation>クラス名</translation>
    </message>
    <message>
        <source>Class name</source>
        <translation>クラス名</translation>
    </message>
    <message>
        <source>A class name holds letters, digits, “-” and “_” only: “site-nav”, not “site nav”</source>
        <translation>クラス名に使えるのは英字、数字、「-」、「_」のみです。「site nav」ではなく「site-nav」のようにしてください</translation>
    </message>
    <message>
        <source>The class name cannot be empty; it stays “%1”</source>
        <translation>クラス名は空にできません。「%1」のままになります</translation>
    </message>
    <message>
        <source>“%1” is not a class name: it must begin with a letter; it stays “%2”</source>
        <translation>「%1」はクラス名として使えません。先頭は英字にしてください。「%2」のままになります</translation>
    </message>
    <message>
        <source>From the page</source>
        <translation>ページに従う</translation>
    </message>
    <message>
        <source>Left to right</source>
        <translation>左から右</translation>
    </message>
    <message>
        <source>Right to left</source>
        <translation>右から左</translation>
    </message>
    <message>
        <source>From the page: the menu reads as the page around it does, right to left on an Arabic or Hebrew page. The other two fix the direction on the menu itself.</source>
        <translation>ページに従う: メニューは周囲のページと同じ向きで表示されます。アラビア語やヘブライ語のページでは右から左になります。ほかの 2 つはメニュー自体に方向を固定します。</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Classic pages show two levels: the menu’s third level stays in the design but is not on the page.</source>
        <translation>クラシックのページは2階層までを表示します。メニューの第3階層はデザインに残りますが、ページには載りません。</translation>
    </message>
</context>
<context>
    <name>brindle::PreviewArea</name>
    <message>
        <source>&amp;Desktop Width</source>
        <translation>デスクトップ幅(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Tablet Width (768 px)</source>
        <translation>タブレット幅(&amp;T) (768 px)</translation>
    </message>
    <message>
        <source>&amp;Phone Width (375 px)</source>
        <translation>スマートフォン幅(&amp;P) (375 px)</translation>
    </message>
    <message>
        <source>Preview width</source>
        <translation>プレビューの幅</translation>
    </message>
</context>
<context>
    <name>brindle::ProjectActions</name>
    <message>
        <source>Save Failed</source>
        <translation>保存できませんでした</translation>
    </message>
    <message>
        <source>The project could not be saved to “%1”: %2</source>
        <translation>プロジェクトを「%1」に保存できませんでした：%2</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 を保存しました</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>開けませんでした</translation>
    </message>
    <message>
        <source>The project “%1” could not be opened: %2</source>
        <translation>プロジェクト「%1」を開けませんでした：%2</translation>
    </message>
    <message>
        <source>Design Not Used</source>
        <translation>デザインを使用できません</translation>
    </message>
    <message>
        <source>The design could not be used: %1</source>
        <translation>デザインを使用できませんでした：%1</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 を開きました</translation>
    </message>
    <message>
        <source>Opened %1; one icon is kept under a new name</source>
        <translation>%1 を開きました。アイコン 1 つを新しい名前で保管しています</translation>
    </message>
    <message>
        <source>Opened %1; %2 icons are kept under new names</source>
        <translation>%1 を開きました。アイコン %2 個を新しい名前で保管しています</translation>
    </message>
    <message>
        <source>Opened %1 without one of its icons</source>
        <translation>%1 を開きました（アイコン 1 つを除く）</translation>
    </message>
    <message>
        <source>Opened %1 without %2 of its icons</source>
        <translation>%1 を開きました（アイコン %2 個を除く）</translation>
    </message>
    <message>
        <source>Items Without Titles</source>
        <translation>タイトルのない項目</translation>
    </message>
    <message>
        <source>%1 was opened, but one item has no title: its link says nothing to visitors.</source>
        <translation>%1を開きましたが、タイトルのない項目が 1 つあります。そのリンクは訪問者に何も伝えません。</translation>
    </message>
    <message>
        <source>%1 was opened, but %2 items have no title: their links say nothing to visitors.</source>
        <translation>%1を開きましたが、タイトルのない項目が %2 個あります。それらのリンクは訪問者に何も伝えません。</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>ほか %1 件</translation>
    </message>
    <message>
        <source>Give a title to %1.</source>
        <translation>%1 にタイトルを付けてください。</translation>
    </message>
    <message>
        <source>Icons Left Out</source>
        <translation>除外されたアイコン</translation>
    </message>
    <message>
        <source>%1 was opened, but one icon could not be used.</source>
        <translation>%1を開きましたが、アイコンを 1 つ使用できませんでした。</translation>
    </message>
    <message>
        <source>%1 was opened, but %2 icons could not be used.</source>
        <translation>%1を開きましたが、アイコンを %2 個使用できませんでした。</translation>
    </message>
    <message>
        <source>… and %1 more.</source>
        <translation>…ほか %1 件。</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>書き出しに失敗しました</translation>
    </message>
    <message>
        <source>The page could not be written to “%1”: %2</source>
        <translation>ページを「%1」に書き込めませんでした：%2</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>%1 を書き出しました</translation>
    </message>
    <message>
        <source>The stylesheet could not be written to “%1”: %2</source>
        <translation>スタイルシートを「%1」に書き込めませんでした：%2</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>%1 に書き出しました</translation>
    </message>
    <message>
        <source>Not every file could be exported to “%1”:
%2</source>
        <translation>一部のファイルを「%1」に書き出せませんでした：
%2</translation>
    </message>
    <message>
        <source>Exported the menu to %1; %2 says what goes into your page</source>
        <translation>メニューを %1 に書き出しました。ページに加える内容は %2 に記載されています</translation>
    </message>
    <message>
        <source>Replace Files?</source>
        <translation>ファイルを置き換えますか？</translation>
    </message>
    <message>
        <source>“%1” already holds files of these names. Replace them with the menu’s?</source>
        <translation>「%1」には同じ名前のファイルがすでにあります。メニューのファイルで置き換えますか？</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>置き換え(&amp;R)</translation>
    </message>
    <message>
        <source>Copied the menu&apos;s HTML; the comment at its top says what else your page needs</source>
        <translation>メニューの HTML をコピーしました。ページにほかに必要なものは、先頭のコメントに記載されています</translation>
    </message>
    <message>
        <source>Copied the menu&apos;s CSS</source>
        <translation>メニューの CSS をコピーしました</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>プロジェクトの保存</translation>
    </message>
    <message>
        <source>“%1” already exists. Do you want to replace it?</source>
        <translation>「%1」はすでに存在します。置き換えますか？</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>プロジェクトを開く</translation>
    </message>
    <message>
        <source>Export HTML</source>
        <translation>HTML の書き出し</translation>
    </message>
    <message>
        <source>Export CSS</source>
        <translation>CSS の書き出し</translation>
    </message>
    <message>
        <source>Export All Files</source>
        <translation>すべてのファイルの書き出し</translation>
    </message>
    <message>
        <source>Export Snippet</source>
        <translation>スニペットの書き出し</translation>
    </message>
    <message>
        <source>Brindle projects (*.brindleprj)</source>
        <translation>Brindle プロジェクト (*.brindleprj)</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>「%1」</translation>
    </message>
    <message>
        <source>Import Menu</source>
        <translation>メニューのインポート</translation>
    </message>
    <message>
        <source>Pages, sitemaps and outlines (*.html *.htm *.xhtml *.xml *.md *.markdown *.txt);;All files (*)</source>
        <translation>ページ、サイトマップ、アウトライン (*.html *.htm *.xhtml *.xml *.md *.markdown *.txt);;すべてのファイル (*)</translation>
    </message>
</context>
<context>
    <name>brindle::QuickBackgroundPanel</name>
    <message>
        <source>Background (Normal)</source>
        <translation>背景（通常）</translation>
    </message>
    <message>
        <source>Background (Hover)</source>
        <translation>背景（ホバー）</translation>
    </message>
    <message>
        <source>Background (Active)</source>
        <translation>背景（アクティブ）</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>メインメニュー</translation>
    </message>
    <message>
        <source>Sub-menu</source>
        <translation>サブメニュー</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>background colour</source>
        <translation>背景色</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>text brightness</source>
        <translation>テキストの明るさ</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>コントラスト</translation>
    </message>
    <message>
        <source>opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>No brightness of this text colour reads on its background: choose another background colour</source>
        <translation>この文字色では、どの明るさでも背景の上で読みやすくなりません。別の背景色を選んでください</translation>
    </message>
    <message>
        <source>Text at %1 % would not read on its background; %2 % is the nearest that does</source>
        <translation>明るさ %1 % のテキストは背景の上で読みにくくなります。読みやすい最も近い値は %2 % です</translation>
    </message>
</context>
<context>
    <name>brindle::QuickModeGeneralView</name>
    <message>
        <source>Square</source>
        <translation>四角</translation>
    </message>
    <message>
        <source>Rounded</source>
        <translation>角丸</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>丸</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>形状</translation>
    </message>
    <message>
        <source>corner shape</source>
        <translation>角の形状</translation>
    </message>
    <message>
        <source>Corners</source>
        <translation>角</translation>
    </message>
</context>
<context>
    <name>brindle::QuickModeView</name>
    <message>
        <source>menu colour</source>
        <translation>メニューの色</translation>
    </message>
    <message>
        <source>Menu colour</source>
        <translation>メニューの色</translation>
    </message>
    <message>
        <source>No text colour of this hue reads on the %1 background: choose another menu colour, or set the text in the Main Menu mode</source>
        <translation>この色相のどの文字色も %1 の背景では読みにくくなります。別のメニューの色を選ぶか、メインメニューモードでテキストを設定してください</translation>
    </message>
    <message>
        <source> and </source>
        <translation> と </translation>
    </message>
    <message>
        <source>hover</source>
        <translation>ホバー時</translation>
    </message>
    <message>
        <source>active</source>
        <translation>アクティブ時</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>通常時</translation>
    </message>
</context>
<context>
    <name>brindle::RecentMenuController</name>
    <message>
        <source>Project Not Found</source>
        <translation>プロジェクトが見つかりません</translation>
    </message>
    <message>
        <source>The project “%1” can no longer be found. It was moved or deleted, and has been removed from the recent projects.</source>
        <translation>プロジェクト「%1」が見つかりません。移動または削除されたため、最近使ったファイルの一覧から削除しました。</translation>
    </message>
</context>
<context>
    <name>brindle::RecoveryFile</name>
    <message>
        <source>The folder “%1” cannot be made.</source>
        <translation>フォルダー「%1」を作成できません。</translation>
    </message>
    <message>
        <source>The recovery file is in use.</source>
        <translation>復元用ファイルは使用中です。</translation>
    </message>
</context>
<context>
    <name>brindle::RelatedAppsSheet</name>
    <message>
        <source>Related Applications</source>
        <translation>関連アプリケーション</translation>
    </message>
    <message>
        <source>A fast editor for HTML, CSS and JavaScript, with snippets and syntax highlighting.</source>
        <translation>スニペットと構文ハイライトを備えた、HTML、CSS、JavaScript 用の高速なエディターです。</translation>
    </message>
    <message>
        <source>A light editor for web pages and code, with a symbol list and build commands.</source>
        <translation>シンボル一覧とビルドコマンドを備えた、Web ページとコード用の軽量なエディターです。</translation>
    </message>
    <message>
        <source>A browser with tools for inspecting layouts, styles and scripts.</source>
        <translation>レイアウト、スタイル、スクリプトを調べるツールを備えたブラウザーです。</translation>
    </message>
    <message>
        <source>Edits photos and draws bitmap images such as menu icons.</source>
        <translation>写真を編集したり、メニューアイコンなどのビットマップ画像を描いたりできます。</translation>
    </message>
    <message>
        <source>Draws scalable vector graphics for icons and logos.</source>
        <translation>アイコンやロゴ用の拡大縮小可能なベクターグラフィックスを描けます。</translation>
    </message>
    <message>
        <source>Uploads a finished site to a web server over FTP and SFTP.</source>
        <translation>完成したサイトを FTP や SFTP で Web サーバーにアップロードします。</translation>
    </message>
    <message>
        <source>Picks colours from anywhere on the screen and keeps palettes.</source>
        <translation>画面上のどこからでも色を取得し、パレットとして保存できます。</translation>
    </message>
</context>
<context>
    <name>brindle::SeparatorView</name>
    <message>
        <source>Separator</source>
        <translation>区切り線</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>非表示</translation>
    </message>
    <message>
        <source>lines between items</source>
        <translation>項目間の線</translation>
    </message>
    <message>
        <source>Lines between items</source>
        <translation>項目間の線</translation>
    </message>
</context>
<context>
    <name>brindle::ShadowPanel</name>
    <message>
        <source>Drop Shadow</source>
        <translation>ドロップシャドウ</translation>
    </message>
    <message>
        <source>Inner Shadow</source>
        <translation>シャドウ（内側）</translation>
    </message>
    <message>
        <source>Text Shadow 1</source>
        <translation>テキストシャドウ 1</translation>
    </message>
    <message>
        <source>Text Shadow 2</source>
        <translation>テキストシャドウ 2</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>色</translation>
    </message>
    <message>
        <source>opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>X offset</source>
        <translation>X オフセット</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>Y offset</source>
        <translation>Y オフセット</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
</context>
<context>
    <name>brindle::ShapePanel</name>
    <message>
        <source>Menu bar</source>
        <translation>メニューバー</translation>
    </message>
    <message>
        <source>Sub-menu</source>
        <translation>サブメニュー</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>形状</translation>
    </message>
    <message>
        <source>corner radius</source>
        <translation>角の半径</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>半径</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>border size</source>
        <translation>枠線の太さ</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>枠線</translation>
    </message>
    <message>
        <source>border colour</source>
        <translation>枠線の色</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>色</translation>
    </message>
    <message>
        <source>width</source>
        <translation>幅</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>幅</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
</context>
<context>
    <name>brindle::SizeView</name>
    <message>
        <source>Lock left and right padding together</source>
        <translation>左右のパディングの連動</translation>
    </message>
    <message>
        <source>Unlock left and right padding</source>
        <translation>左右のパディングの連動解除</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>left padding</source>
        <translation>左パディング</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>right padding</source>
        <translation>右パディング</translation>
    </message>
    <message>
        <source>Lock top and bottom padding together</source>
        <translation>上下のパディングの連動</translation>
    </message>
    <message>
        <source>Unlock top and bottom padding</source>
        <translation>上下のパディングの連動解除</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>上</translation>
    </message>
    <message>
        <source>top padding</source>
        <translation>上パディング</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>下</translation>
    </message>
    <message>
        <source>bottom padding</source>
        <translation>下パディング</translation>
    </message>
    <message>
        <source>Padding</source>
        <translation>パディング</translation>
    </message>
    <message>
        <source>While closed, Left and Right move together</source>
        <translation>鍵が閉じている間は、左と右が連動します</translation>
    </message>
    <message>
        <source>While closed, Top and Bottom move together</source>
        <translation>鍵が閉じている間は、上と下が連動します</translation>
    </message>
    <message>
        <source>Preview in Firefox</source>
        <translation>Firefox でプレビュー</translation>
    </message>
    <message>
        <source>Firefox was not found on this computer.</source>
        <translation>このコンピューターに Firefox が見つかりません。</translation>
    </message>
    <message>
        <source>The preview is not ready yet.</source>
        <translation>プレビューはまだ準備できていません。</translation>
    </message>
    <message>
        <source>Firefox could not be started.</source>
        <translation>Firefox を起動できませんでした。</translation>
    </message>
    <message>
        <source>Firefox (%1) could not be started.</source>
        <translation>Firefox（%1）を起動できませんでした。</translation>
    </message>
</context>
<context>
    <name>brindle::SourceCodeArea</name>
    <message>
        <source>Stylesheet source</source>
        <translation>スタイルシートのソース</translation>
    </message>
    <message>
        <source>HTML source</source>
        <translation>HTML ソース</translation>
    </message>
</context>
<context>
    <name>brindle::TextColorPanel</name>
    <message>
        <source>colour</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>色</translation>
    </message>
</context>
<context>
    <name>brindle::TextView</name>
    <message>
        <source>Main Menu Text</source>
        <translation>メインメニューのテキスト</translation>
    </message>
    <message>
        <source>font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Sub Menu Text</source>
        <translation>サブメニューのテキスト</translation>
    </message>
</context>
<context>
    <name>brindle::WorkspaceModes</name>
    <message>
        <source>&amp;Menu Structure</source>
        <translation>メニュー構造(&amp;M)</translation>
    </message>
    <message>
        <source>Edit the menu items, their links and icons</source>
        <translation>メニュー項目とそのリンク、アイコンを編集</translation>
    </message>
    <message>
        <source>&amp;Quick Mode</source>
        <translation>クイックモード(&amp;Q)</translation>
    </message>
    <message>
        <source>Style the whole menu from a few colours</source>
        <translation>いくつかの色からメニュー全体のスタイルを設定</translation>
    </message>
    <message>
        <source>Ma&amp;in Menu</source>
        <translation>メインメニュー(&amp;I)</translation>
    </message>
    <message>
        <source>Style the menu bar: normal, hover and active</source>
        <translation>メニューバーのスタイルを設定：通常、ホバー、アクティブ</translation>
    </message>
    <message>
        <source>&amp;Sub-Menu</source>
        <translation>サブメニュー(&amp;S)</translation>
    </message>
    <message>
        <source>Style the drop-down lists: normal, hover and active</source>
        <translation>ドロップダウンリストのスタイルを設定：通常、ホバー、アクティブ</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
</TS>
