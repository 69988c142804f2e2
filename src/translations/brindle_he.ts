<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>AccessibleWidgets</name>
    <message>
        <source>%1, %2% opaque</source>
        <translation>%1, אטימות %2%</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>צבע</translation>
    </message>
</context>
<context>
    <name>AppInfo</name>
    <message>
        <source>Copyright © 2026 The Brindle developers</source>
        <translation>זכויות יוצרים © 2026 מפתחי Brindle</translation>
    </message>
    <message>
        <source>Released under the MIT License.</source>
        <translation>מופץ ברישיון MIT.</translation>
    </message>
</context>
<context>
    <name>Contrast</name>
    <message>
        <source>hover background</source>
        <translation>רקע הריחוף</translation>
    </message>
    <message>
        <source>active background</source>
        <translation>הרקע הפעיל</translation>
    </message>
    <message>
        <source>background</source>
        <translation>הרקע</translation>
    </message>
    <message>
        <source>start</source>
        <translation>בהתחלה</translation>
    </message>
    <message>
        <source>end</source>
        <translation>בסוף</translation>
    </message>
    <message>
        <source>stop %1</source>
        <translation>בעצירה %1</translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <translation>%1 מעל %2</translation>
    </message>
    <message>
        <source>icon of “%1”</source>
        <translation>הסמל של ”%1“</translation>
    </message>
    <message>
        <source>drop-down arrow</source>
        <translation>חץ התפריט הנפתח</translation>
    </message>
</context>
<context>
    <name>DesignApplier</name>
    <message>
        <source>The icon %1 of %2 %3</source>
        <translation>הסמל %1 של %2 %3</translation>
    </message>
    <message>
        <source>was left out: there is no preview folder.</source>
        <translation>הושמט: אין תיקיית תצוגה מקדימה.</translation>
    </message>
    <message>
        <source>cannot be decoded and was left out.</source>
        <translation>לא ניתן לפענוח ולכן הושמט.</translation>
    </message>
    <message>
        <source>cannot be encoded and was left out.</source>
        <translation>לא ניתן לקידוד ולכן הושמט.</translation>
    </message>
    <message>
        <source>cannot be written to the preview folder (%1) and was left out.</source>
        <translation>לא נכתב לתיקיית התצוגה המקדימה (%1) ולכן הושמט.</translation>
    </message>
    <message>
        <source>The icon %1 of %2 is kept as %3: another picture has its name.</source>
        <translation>הסמל %1 של %2 נשמר בשם %3: תמונה אחרת כבר נקראת כך.</translation>
    </message>
    <message>
        <source>The SVG icon %1 of %2 cannot be written to the preview folder (%3); its pictures stand for it.</source>
        <translation>לא ניתן לכתוב את סמל ה-SVG %1 של %2 לתיקיית התצוגה המקדימה (%3); התמונות שלו מוצגות במקומו.</translation>
    </message>
    <message>
        <source>item %1 of the bar</source>
        <translation>פריט %1 בסרגל</translation>
    </message>
    <message>
        <source>item %1 under %2</source>
        <translation>פריט %1 תחת %2</translation>
    </message>
</context>
<context>
    <name>DesignGallery</name>
    <message>
        <source>the design is not a project file</source>
        <translation>העיצוב אינו קובץ פרויקט</translation>
    </message>
    <message>
        <source>a design needs a name</source>
        <translation>לעיצוב צריך להיות שם</translation>
    </message>
    <message>
        <source>a name cannot begin or end with a space</source>
        <translation>שם לא יכול להתחיל או להסתיים ברווח</translation>
    </message>
    <message>
        <source>a name may have at most %1 characters</source>
        <translation>שם יכול להכיל לכל היותר %1 תווים</translation>
    </message>
    <message>
        <source>a name cannot begin with a full stop</source>
        <translation>שם לא יכול להתחיל בנקודה</translation>
    </message>
    <message>
        <source>a name cannot hold “%1”</source>
        <translation>שם לא יכול להכיל ”%1“</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>לא ניתן ליצור את התיקייה %1</translation>
    </message>
    <message>
        <source>built-in designs cannot be renamed</source>
        <translation>לא ניתן לשנות את השם של עיצובים מובנים</translation>
    </message>
    <message>
        <source>a design called “%1” exists</source>
        <translation>כבר קיים עיצוב בשם ”%1“</translation>
    </message>
    <message>
        <source>the design file cannot be renamed</source>
        <translation>לא ניתן לשנות את השם של קובץ העיצוב</translation>
    </message>
    <message>
        <source>built-in designs cannot be removed</source>
        <translation>לא ניתן להסיר עיצובים מובנים</translation>
    </message>
    <message>
        <source>the design file cannot be removed</source>
        <translation>לא ניתן להסיר את קובץ העיצוב</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>“%1” could not be written: %2</source>
        <translation>לא ניתן היה לכתוב את ”%1“: %2</translation>
    </message>
    <message>
        <source>The icon “%1” was not copied: its name is not a plain file name.</source>
        <translation>הסמל ”%1“ לא הועתק: השם שלו אינו שם קובץ פשוט.</translation>
    </message>
    <message>
        <source>The icon “%1” was not copied: %2</source>
        <translation>הסמל ”%1“ לא הועתק: %2</translation>
    </message>
    <message>
        <source>The icons were not copied: there is no preview folder.</source>
        <translation>הסמלים לא הועתקו: אין תיקיית תצוגה מקדימה.</translation>
    </message>
    <message>
        <source>%1 holds files of the same name: %2</source>
        <translation>בתיקייה %1 כבר יש קבצים באותם שמות: %2</translation>
    </message>
    <message>
        <source>Classic pages show two levels: the menu’s third level stays in the design but is not on the page. The Modern style shows it.</source>
        <translation>דפים קלאסיים מציגים שתי רמות: הרמה השלישית של התפריט נשארת בעיצוב אך אינה מופיעה בדף. הסגנון המודרני מציג אותה.</translation>
    </message>
</context>
<context>
    <name>GradientSettings</name>
    <message>
        <source>sub-menu</source>
        <translation>תפריט משנה</translation>
    </message>
    <message>
        <source>main menu</source>
        <translation>תפריט ראשי</translation>
    </message>
    <message>
        <source>hover</source>
        <translation>ריחוף</translation>
    </message>
    <message>
        <source>active</source>
        <translation>פעיל</translation>
    </message>
    <message>
        <source>background</source>
        <translation>רקע</translation>
    </message>
    <message>
        <source>text</source>
        <translation>טקסט</translation>
    </message>
</context>
<context>
    <name>IconFiles</name>
    <message>
        <source>the picture cannot be encoded</source>
        <translation>לא ניתן לקודד את התמונה</translation>
    </message>
</context>
<context>
    <name>IconImporter</name>
    <message>
        <source>The preview folder is not available.</source>
        <translation>תיקיית התצוגה המקדימה אינה זמינה.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>לא ניתן לקרוא את הקובץ.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>הקובץ גדול מ-%1 MB.</translation>
    </message>
    <message>
        <source>The file cannot be read (%1).</source>
        <translation>לא ניתן לקרוא את הקובץ (%1).</translation>
    </message>
    <message>
        <source>It is not a PNG, JPEG or GIF picture.</source>
        <translation>הקובץ אינו תמונת PNG, JPEG או GIF.</translation>
    </message>
    <message>
        <source>The picture cannot be decoded, or it is larger than %1 pixels on a side or %2 million pixels in all.</source>
        <translation>לא ניתן לפענח את התמונה, או שהיא גדולה מ-%1 פיקסלים בצלע או מ-%2 מיליון פיקסלים בסך הכול.</translation>
    </message>
    <message>
        <source>An SVG icon goes into the Icon field; it is sharp at every size without a double-resolution file.</source>
        <translation>סמל SVG מקומו בשדה ”סמל“; הוא חד בכל גודל גם בלי קובץ ברזולוציה כפולה.</translation>
    </message>
    <message>
        <source>It cannot be encoded for the preview folder.</source>
        <translation>לא ניתן לקודד את הקובץ עבור תיקיית התצוגה המקדימה.</translation>
    </message>
    <message>
        <source>It cannot be copied into the preview folder (%1).</source>
        <translation>לא ניתן להעתיק את הקובץ לתיקיית התצוגה המקדימה (%1).</translation>
    </message>
    <message>
        <source>It cannot be used: %1.</source>
        <translation>לא ניתן להשתמש בקובץ: %1.</translation>
    </message>
    <message>
        <source>It is %1 × %2 px large; a menu icon is at most %3 px on a side.</source>
        <translation>גודל התמונה %1 × %2 px; סמל תפריט יכול להיות לכל היותר %3 px בכל צלע.</translation>
    </message>
    <message>
        <source>It cannot be drawn.</source>
        <translation>לא ניתן לצייר את הקובץ.</translation>
    </message>
</context>
<context>
    <name>MenuImport</name>
    <message>
        <source>The page cannot be read.</source>
        <translation>לא ניתן לקרוא את הדף.</translation>
    </message>
    <message>
        <source>The page has no navigation and no list of links.</source>
        <translation>בדף אין ניווט ואין רשימת קישורים.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>הקובץ גדול מ־%1 MB.</translation>
    </message>
    <message>
        <source>No menu items were found in the file.</source>
        <translation>לא נמצאו פריטי תפריט בקובץ.</translation>
    </message>
    <message>
        <source>The menu has %1 items; a menu holds at most %2.</source>
        <translation>בתפריט %1 פריטים; תפריט מכיל לכל היותר %2.</translation>
    </message>
    <message>
        <source>Items deeper than %1 levels, placed in level %1: %2</source>
        <translation>פריטים עמוקים מ־%1 רמות, שהוצבו ברמה %1: %2</translation>
    </message>
    <message>
        <source>Items without a title, left out: %1</source>
        <translation>פריטים ללא כותרת, שהושמטו: %1</translation>
    </message>
    <message>
        <source>Script links, left out (their items kept without a link): %1</source>
        <translation>קישורי סקריפט שהושמטו (הפריטים נשמרו ללא קישור): %1</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>לא ניתן לקרוא את הקובץ: %1</translation>
    </message>
    <message>
        <source>The file is a sitemap index: import one of the sitemaps it lists.</source>
        <translation>הקובץ הוא אינדקס של מפות אתר: יש לייבא את אחת המפות הרשומות בו.</translation>
    </message>
    <message>
        <source>The file is not a sitemap (a urlset of sitemaps.org).</source>
        <translation>הקובץ אינו מפת אתר (urlset לפי sitemaps.org).</translation>
    </message>
    <message>
        <source>The sitemap cannot be read: %1 (line %2).</source>
        <translation>לא ניתן לקרוא את מפת האתר: %1 (שורה %2).</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>דף הבית</translation>
    </message>
    <message>
        <source>Addresses listed twice, taken once: %1</source>
        <translation>כתובות שהופיעו פעמיים ונלקחו פעם אחת: %1</translation>
    </message>
    <message>
        <source>Entries that are not web addresses, left out: %1</source>
        <translation>רשומות שאינן כתובות אינטרנט, שהושמטו: %1</translation>
    </message>
    <message>
        <source>The sitemap lists no web addresses.</source>
        <translation>במפת האתר אין כתובות אינטרנט.</translation>
    </message>
</context>
<context>
    <name>MenuStructureView</name>
    <message>
        <source>A menu item needs a title: a link without one says nothing to visitors.</source>
        <translation>פריט תפריט צריך כותרת: קישור בלי כותרת לא אומר דבר למבקרים.</translation>
    </message>
</context>
<context>
    <name>PageOpener</name>
    <message>
        <source>Page Not Opened</source>
        <translation>הדף לא נפתח</translation>
    </message>
    <message>
        <source>The page could not be opened in a browser: %1</source>
        <translation>לא ניתן היה לפתוח את הדף בדפדפן: %1</translation>
    </message>
    <message>
        <source>Open it by hand:
%1</source>
        <translation>אפשר לפתוח אותו ידנית:
%1</translation>
    </message>
    <message>
        <source>the desktop&apos;s opener (xdg-open) is missing.</source>
        <translation>כלי הפתיחה של שולחן העבודה (xdg-open) חסר.</translation>
    </message>
    <message>
        <source>the desktop&apos;s opener (xdg-open) ended with error %1.</source>
        <translation>כלי הפתיחה של שולחן העבודה (xdg-open) הסתיים בשגיאה %1.</translation>
    </message>
</context>
<context>
    <name>PreviewFolder</name>
    <message>
        <source>the name is reserved for Brindle&apos;s own use</source>
        <translation>השם שמור לשימוש הפנימי של Brindle</translation>
    </message>
    <message>
        <source>the preview folder&apos;s file list cannot be written</source>
        <translation>לא ניתן לכתוב את רשימת הקבצים של תיקיית התצוגה המקדימה</translation>
    </message>
    <message>
        <source>the old script cannot be removed</source>
        <translation>לא ניתן להסיר את הסקריפט הישן</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>the file cannot be read: </source>
        <translation>לא ניתן לקרוא את הקובץ: </translation>
    </message>
    <message>
        <source>the file is too large to be a project file</source>
        <translation>הקובץ גדול מדי מכדי להיות קובץ פרויקט</translation>
    </message>
    <message>
        <source>the file is not a property list</source>
        <translation>הקובץ אינו רשימת מאפיינים (plist)</translation>
    </message>
    <message>
        <source>the file is a property list but not an array</source>
        <translation>הקובץ הוא רשימת מאפיינים (plist), אבל לא מערך</translation>
    </message>
</context>
<context>
    <name>ProjectReader</name>
    <message>
        <source>the file ends early: %1 is missing</source>
        <translation>הקובץ מסתיים מוקדם מדי: חסר %1</translation>
    </message>
    <message>
        <source>element %1 (%2) should be %3 but is %4</source>
        <translation>הרכיב %1 (%2) צריך להיות %3, אבל הוא %4</translation>
    </message>
    <message>
        <source>element %1 (%2) holds %3, which is out of range</source>
        <translation>הרכיב %1 (%2) מכיל את הערך %3, שנמצא מחוץ לטווח</translation>
    </message>
    <message>
        <source>element %1 (%2) is not a finite number</source>
        <translation>הרכיב %1 (%2) אינו מספר סופי</translation>
    </message>
    <message>
        <source>element %1 (%2) is negative: %3</source>
        <translation>הרכיב %1 (%2) שלילי: %3</translation>
    </message>
    <message>
        <source>element %1 (%2) claims %3 items, more than the file holds</source>
        <translation>הרכיב %1 (%2) מציין %3 פריטים, יותר ממה שיש בקובץ</translation>
    </message>
    <message>
        <source>which is not valid UTF-8 text</source>
        <translation>שאינו טקסט UTF-8 תקין</translation>
    </message>
    <message>
        <source>which is longer than a file name may be (%1 bytes)</source>
        <translation>שארוך מהאורך המרבי של שם קובץ (%1 בתים)</translation>
    </message>
    <message>
        <source>which is not a plain file name or is reserved for a generated file</source>
        <translation>שאינו שם קובץ פשוט או ששמור לקובץ שנוצר אוטומטית</translation>
    </message>
    <message>
        <source>, file name</source>
        <translation>, שם קובץ</translation>
    </message>
    <message>
        <source>%1 has the file name %2, %3</source>
        <translation>שם הקובץ של %1 הוא %2, %3</translation>
    </message>
    <message>
        <source>, icon class</source>
        <translation>, מחלקת סמל</translation>
    </message>
    <message>
        <source>, icon gap</source>
        <translation>, מרווח סמל</translation>
    </message>
    <message>
        <source>, double-resolution icon</source>
        <translation>, סמל ברזולוציה כפולה</translation>
    </message>
    <message>
        <source>number of menu items</source>
        <translation>מספר פריטי התפריט</translation>
    </message>
    <message>
        <source>menu item %1</source>
        <translation>פריט תפריט %1</translation>
    </message>
    <message>
        <source>, number of sub-items</source>
        <translation>, מספר פריטי המשנה</translation>
    </message>
    <message>
        <source>the file has %1 unexpected elements after its last menu item</source>
        <translation>בקובץ יש %1 רכיבים לא צפויים אחרי פריט התפריט האחרון</translation>
    </message>
    <message>
        <source>%1 should be a dictionary but is %2</source>
        <translation>%1 צריך להיות מילון, אבל הוא %2</translation>
    </message>
    <message>
        <source>%1 has the unknown key %2</source>
        <translation>%1 מכיל את המפתח הלא ידוע %2</translation>
    </message>
    <message>
        <source>%1 has no SVG document as UTF-8 text</source>
        <translation>%1 אינו מכיל מסמך SVG כטקסט UTF-8</translation>
    </message>
    <message>
        <source>%1 has no SVG file name</source>
        <translation>אין שם קובץ SVG עבור %1</translation>
    </message>
    <message>
        <source>%1 has the file name %2, which does not end in “.svg”</source>
        <translation>שם הקובץ של %1 הוא %2, שאינו מסתיים ב-”.svg“</translation>
    </message>
    <message>
        <source>%1 says whether it follows the text colour with %2, not a boolean</source>
        <translation>%1 מציין אם הוא מקבל את צבע הטקסט באמצעות %2 ולא באמצעות ערך בוליאני</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>%1 אינו שמיש: %2</translation>
    </message>
    <message>
        <source>%1 holds what an icon must not: %2</source>
        <translation>%1 מכיל דברים שאסור שיהיו בסמל: %2</translation>
    </message>
    <message>
        <source>the items section should be a dictionary but is %1</source>
        <translation>מקטע הפריטים צריך להיות מילון, אבל הוא %1</translation>
    </message>
    <message>
        <source>the icon of item %1</source>
        <translation>הסמל של הפריט %1</translation>
    </message>
    <message>
        <source>the items section names %1, which the menu does not have</source>
        <translation>מקטע הפריטים מציין את הפריט %1, שאינו קיים בתפריט</translation>
    </message>
    <message>
        <source>%1 is an SVG without its two pictures</source>
        <translation>%1 הוא SVG בלי שתי התמונות שלו</translation>
    </message>
    <message>
        <source>the last element should be a dictionary of output options but is %1</source>
        <translation>הרכיב האחרון צריך להיות מילון של אפשרויות פלט, אבל הוא %1</translation>
    </message>
    <message>
        <source>the output style is not “classic” or “modern”</source>
        <translation>סגנון הפלט אינו ”classic“ או ”modern“</translation>
    </message>
    <message>
        <source>the navigation label is not a text that names something</source>
        <translation>תווית הניווט אינה טקסט שיכול לשמש כשם</translation>
    </message>
    <message>
        <source>the phone breakpoint is not a width from %1 to %2 pixels</source>
        <translation>נקודת המעבר לטלפון אינה רוחב בין %1 ל-%2 פיקסלים</translation>
    </message>
    <message>
        <source>the class name is not a CSS class name of up to %1 letters, digits, “-” and “_”</source>
        <translation>שם המחלקה אינו שם מחלקת CSS של עד %1 אותיות, ספרות, ”-“ ו-”_“</translation>
    </message>
    <message>
        <source>the file has no version, so it is not a project file</source>
        <translation>לקובץ אין גרסה, ולכן הוא אינו קובץ פרויקט</translation>
    </message>
    <message>
        <source>the file has the version %1, which this application cannot read</source>
        <translation>גרסת הקובץ היא %1, והיישום הזה לא יכול לקרוא אותה</translation>
    </message>
    <message>
        <source>the file ends early: it has %1 elements, too few for the settings and the number of menu items</source>
        <translation>הקובץ מסתיים מוקדם מדי: יש בו %1 רכיבים, מעט מדי עבור ההגדרות ומספר פריטי התפריט</translation>
    </message>
    <message>
        <source>the menu&apos;s direction is not “page”, “ltr” or “rtl”</source>
        <translation>כיוון התפריט אינו ”page“, ”ltr“ או ”rtl“</translation>
    </message>
    <message>
        <source>setting %1</source>
        <translation>ההגדרה %1</translation>
    </message>
    <message>
        <source>, present</source>
        <translation>, קיום</translation>
    </message>
    <message>
        <source>, image</source>
        <translation>, תמונה</translation>
    </message>
    <message>
        <source>, title</source>
        <translation>, כותרת</translation>
    </message>
    <message>
        <source>, link</source>
        <translation>, קישור</translation>
    </message>
    <message>
        <source>, icon</source>
        <translation>, סמל</translation>
    </message>
    <message>
        <source>sub-item %1 of %2</source>
        <translation>פריט משנה %1 של %2</translation>
    </message>
    <message>
        <source>the current page&apos;s look is not “active”, “hover” or “plain”</source>
        <translation>המראה של הדף הנוכחי אינו „active”, „hover” או „plain”</translation>
    </message>
</context>
<context>
    <name>PropertyList</name>
    <message>
        <source>an integer</source>
        <translation>מספר שלם</translation>
    </message>
    <message>
        <source>a real number</source>
        <translation>מספר ממשי</translation>
    </message>
    <message>
        <source>a boolean</source>
        <translation>ערך בוליאני</translation>
    </message>
    <message>
        <source>a dictionary</source>
        <translation>מילון</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>מערך</translation>
    </message>
    <message>
        <source>a date</source>
        <translation>תאריך</translation>
    </message>
    <message>
        <source>a key</source>
        <translation>מפתח</translation>
    </message>
    <message>
        <source>an identifier</source>
        <translation>מזהה</translation>
    </message>
    <message>
        <source>an unknown element</source>
        <translation>רכיב לא ידוע</translation>
    </message>
    <message>
        <source>text</source>
        <translation>טקסט</translation>
    </message>
    <message>
        <source>data</source>
        <translation>נתונים</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Colors</source>
        <translation>צבעים</translation>
    </message>
</context>
<context>
    <name>SvgCleaner</name>
    <message>
        <source>processing instruction</source>
        <translation>הוראת עיבוד</translation>
    </message>
    <message>
        <source>a element&apos;s link</source>
        <translation>קישור של רכיב a</translation>
    </message>
    <message>
        <source>id value a reference cannot name</source>
        <translation>מזהה (id) שאי אפשר להפנות אליו</translation>
    </message>
    <message>
        <source>repeated id</source>
        <translation>מזהה (id) כפול</translation>
    </message>
    <message>
        <source> value reaching outside the file</source>
        <translation> עם ערך שמפנה אל מחוץ לקובץ</translation>
    </message>
    <message>
        <source>link outside the file</source>
        <translation>קישור אל מחוץ לקובץ</translation>
    </message>
    <message>
        <source>link to a missing element</source>
        <translation>קישור לרכיב חסר</translation>
    </message>
    <message>
        <source>reference to a missing element</source>
        <translation>הפניה לרכיב חסר</translation>
    </message>
    <message>
        <source>its elements refer to each other in a circle</source>
        <translation>הרכיבים שלו מפנים זה לזה במעגל</translation>
    </message>
    <message>
        <source>its references nest more than %1 deep</source>
        <translation>ההפניות שלו מקוננות ביותר מ-%1 רמות</translation>
    </message>
    <message>
        <source>its references would draw more than %1 elements</source>
        <translation>ההפניות שלו היו מציירות יותר מ-%1 רכיבים</translation>
    </message>
    <message>
        <source>%1 element</source>
        <translation>רכיב %1</translation>
    </message>
    <message>
        <source>%1 attribute</source>
        <translation>מאפיין %1</translation>
    </message>
</context>
<context>
    <name>SvgCss</name>
    <message>
        <source>%1 style property</source>
        <translation>מאפיין סגנון %1</translation>
    </message>
    <message>
        <source>%1 style value reaching outside the file</source>
        <translation>ערך סגנון %1 שמפנה אל מחוץ לקובץ</translation>
    </message>
    <message>
        <source>style rule for %1</source>
        <translation>כלל סגנון עבור %1</translation>
    </message>
</context>
<context>
    <name>SvgIcon</name>
    <message>
        <source>it cannot be decompressed</source>
        <translation>לא ניתן לבטל את הדחיסה שלו</translation>
    </message>
    <message>
        <source>it is larger than %1 KB once decompressed</source>
        <translation>הוא גדול מ-%1 KB לאחר ביטול הדחיסה</translation>
    </message>
    <message>
        <source>it is not a complete gzip stream</source>
        <translation>הוא אינו זרם gzip שלם</translation>
    </message>
</context>
<context>
    <name>SvgTree</name>
    <message>
        <source>it is larger than %1 KB</source>
        <translation>הוא גדול מ-%1 KB</translation>
    </message>
    <message>
        <source>it declares a DTD or entities, which an icon never needs</source>
        <translation>הוא מצהיר על DTD או על ישויות, שסמל אף פעם לא צריך</translation>
    </message>
    <message>
        <source>its elements are nested more than %1 deep</source>
        <translation>הרכיבים שלו מקוננים ביותר מ-%1 רמות</translation>
    </message>
    <message>
        <source>it has more than %1 elements</source>
        <translation>יש בו יותר מ-%1 רכיבים</translation>
    </message>
    <message>
        <source>it is not an SVG image</source>
        <translation>הוא אינו תמונת SVG</translation>
    </message>
    <message>
        <source>it is not well-formed XML (%1)</source>
        <translation>הוא אינו XML תקין (%1)</translation>
    </message>
</context>
<context>
    <name>TabStripView</name>
    <message>
        <source>Menu bar state</source>
        <translation>מצב סרגל התפריט</translation>
    </message>
    <message>
        <source>Sub-menu state</source>
        <translation>מצב תפריט המשנה</translation>
    </message>
    <message>
        <source>Source code</source>
        <translation>קוד מקור</translation>
    </message>
    <message>
        <source>Application category</source>
        <translation>קטגוריית יישומים</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>רגיל</translation>
    </message>
    <message>
        <source>Hover</source>
        <translation>ריחוף</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>פעיל</translation>
    </message>
    <message>
        <source>Developer Tools</source>
        <translation>כלי פיתוח</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>כלי עזר</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>נוכחי</translation>
    </message>
</context>
<context>
    <name>ThumbnailCache</name>
    <message>
        <source>nothing to keep</source>
        <translation>אין מה לשמור</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>לא ניתן ליצור את התיקייה %1</translation>
    </message>
    <message>
        <source>the picture cannot be encoded</source>
        <translation>לא ניתן לקודד את התמונה</translation>
    </message>
</context>
<context>
    <name>brindle::AboutSheet</name>
    <message>
        <source>About %1</source>
        <translation>אודות %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>גרסה %1</translation>
    </message>
    <message>
        <source>Navigation bars with drop-down menus, without writing code.</source>
        <translation>סרגלי ניווט עם תפריטים נפתחים, בלי לכתוב קוד.</translation>
    </message>
</context>
<context>
    <name>brindle::ContrastBadge</name>
    <message>
        <source>Text contrast</source>
        <translation>ניגודיות טקסט</translation>
    </message>
    <message>
        <source>The text&apos;s contrast is %1 at worst, against the %2.</source>
        <translation>הניגודיות של הטקסט היא %1 במקרה הגרוע ביותר, מול %2.</translation>
    </message>
    <message>
        <source>That is below %1 for text of this size, hard to read for many visitors; 3 : 1 applies from 24 px, or 18.66 px bold.</source>
        <translation>זה פחות מ-%1 הנדרש לטקסט בגודל הזה, ומבקרים רבים יתקשו לקרוא אותו; 3 : 1 חל מ-24 px, או מ-18.66 px בטקסט מודגש.</translation>
    </message>
</context>
<context>
    <name>brindle::ContrastWindow</name>
    <message>
        <source>Bar</source>
        <translation>סרגל</translation>
    </message>
    <message>
        <source>Sub-menu</source>
        <translation>תפריט משנה</translation>
    </message>
    <message>
        <source>Hover</source>
        <translation>ריחוף</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>פעיל</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>רגיל</translation>
    </message>
    <message>
        <source>%1, %2 text</source>
        <translation>%1, טקסט %2</translation>
    </message>
    <message>
        <source>Check Contrast</source>
        <translation>בדיקת ניגודיות</translation>
    </message>
    <message>
        <source>Contrast of text, icons and arrows</source>
        <translation>ניגודיות של טקסט, סמלים וחיצים</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>טקסט</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>ניגודיות</translation>
    </message>
    <message>
        <source>Needed</source>
        <translation>נדרש</translation>
    </message>
    <message>
        <source>Fix in</source>
        <translation>היכן לתקן</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>תפריט ראשי</translation>
    </message>
    <message>
        <source>Sub-Menu</source>
        <translation>תפריט משנה</translation>
    </message>
    <message>
        <source>%1 → %2 tab</source>
        <translation>%1 ← לשונית %2</translation>
    </message>
    <message>
        <source>Return or a double click goes there</source>
        <translation>מקש Enter או לחיצה כפולה מעבירים לשם</translation>
    </message>
    <message>
        <source>on the %1</source>
        <translation>על %1</translation>
    </message>
    <message>
        <source>%1 on the %2</source>
        <translation>%1 על %2</translation>
    </message>
    <message>
        <source>A quarter of what it draws reaches this contrast; icons and arrows need 3 : 1.</source>
        <translation>רבע ממה שהוא מצייר מגיע לניגודיות הזו; סמלים וחיצים צריכים 3 : 1.</translation>
    </message>
</context>
<context>
    <name>brindle::CurrentPageView</name>
    <message>
        <source>Current page</source>
        <translation>הדף הנוכחי</translation>
    </message>
    <message>
        <source>As pressed</source>
        <translation>כמו בלחיצה</translation>
    </message>
    <message>
        <source>As hovered</source>
        <translation>כמו במעבר עכבר</translation>
    </message>
    <message>
        <source>As the others</source>
        <translation>כמו האחרים</translation>
    </message>
    <message>
        <source>How a Modern menu shows the bar&apos;s item of the page being shown, and the bar&apos;s item above a current sub-item. Your site&apos;s own aria-current=&quot;page&quot; marks work too.</source>
        <translation>איך תפריט מודרני מציג את פריט הסרגל של הדף המוצג, ואת פריט הסרגל שמעל פריט משנה נוכחי. גם סימוני aria-current=&quot;page&quot; של האתר שלך פועלים.</translation>
    </message>
    <message>
        <source>How a Modern menu shows the drop-down item of the page being shown.</source>
        <translation>איך תפריט מודרני מציג את הפריט הנפתח של הדף המוצג.</translation>
    </message>
    <message>
        <source>current page</source>
        <translation>הדף הנוכחי</translation>
    </message>
    <message>
        <source>Looks</source>
        <translation>מראה</translation>
    </message>
</context>
<context>
    <name>brindle::DesignGalleryDialog</name>
    <message>
        <source>%1, built-in design</source>
        <translation>%1, עיצוב מובנה</translation>
    </message>
    <message>
        <source>%1, your design</source>
        <translation>%1, העיצוב שלך</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>ב&amp;חירה</translation>
    </message>
    <message>
        <source>Re&amp;name…</source>
        <translation>&amp;שינוי שם…</translation>
    </message>
    <message>
        <source>&amp;Remove…</source>
        <translation>&amp;הסרה…</translation>
    </message>
    <message>
        <source>&amp;Show this gallery when Brindle starts</source>
        <translation>ה&amp;צגת הגלריה הזו בהפעלת Brindle</translation>
    </message>
    <message>
        <source>New from Design</source>
        <translation>חדש מעיצוב</translation>
    </message>
    <message>
        <source>Choose a design to start from. You may keep your menu or take the design&apos;s sample menu.</source>
        <translation>יש לבחור עיצוב להתחלה. אפשר להשאיר את התפריט שלך או לקחת את תפריט הדוגמה של העיצוב.</translation>
    </message>
    <message>
        <source>Designs</source>
        <translation>עיצובים</translation>
    </message>
    <message>
        <source>Continue with:</source>
        <translation>המשך עבודה על:</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>פתיחת %1</translation>
    </message>
    <message>
        <source>Rename Design</source>
        <translation>שינוי שם העיצוב</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>שם חדש:</translation>
    </message>
    <message>
        <source>Design Not Renamed</source>
        <translation>שם העיצוב לא שונה</translation>
    </message>
    <message>
        <source>“%1” could not be renamed: %2.</source>
        <translation>לא ניתן היה לשנות את השם של ”%1“: %2.</translation>
    </message>
    <message>
        <source>Remove Design</source>
        <translation>הסרת עיצוב</translation>
    </message>
    <message>
        <source>Remove “%1” from the gallery?</source>
        <translation>להסיר את ”%1“ מהגלריה?</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>הסרה</translation>
    </message>
    <message>
        <source>Design Not Removed</source>
        <translation>העיצוב לא הוסר</translation>
    </message>
    <message>
        <source>“%1” could not be removed: %2.</source>
        <translation>לא ניתן היה להסיר את ”%1“: %2.</translation>
    </message>
</context>
<context>
    <name>brindle::DesignHistory</name>
    <message>
        <source>Menu Change</source>
        <translation>שינוי תפריט</translation>
    </message>
    <message>
        <source>Output Options</source>
        <translation>שינוי אפשרויות פלט</translation>
    </message>
    <message>
        <source>Style Change</source>
        <translation>שינוי סגנון</translation>
    </message>
</context>
<context>
    <name>brindle::Document</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;חדש</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;פתיחה…</translation>
    </message>
    <message>
        <source>Recover &amp;Unsaved Work…</source>
        <translation>שחזור עבודה שלא &amp;נשמרה…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;שמירה</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>שמירה &amp;בשם…</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;ביטול פעולה</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ביצוע &amp;חוזר</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;ביטול %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>ביצוע &amp;חוזר של %1</translation>
    </message>
    <message>
        <source>Icons Not Restored</source>
        <translation>הסמלים לא שוחזרו</translation>
    </message>
    <message>
        <source>The preview and exports may show other pictures for these icons:
%1</source>
        <translation>ייתכן שהתצוגה המקדימה והקבצים המיוצאים יציגו תמונות אחרות עבור הסמלים האלה:
%1</translation>
    </message>
    <message>
        <source>Unsaved work is kept for recovery again.</source>
        <translation>עותק של העבודה שלא נשמרה שוב נשמר לצורך שחזור.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>ללא שם</translation>
    </message>
    <message>
        <source>%1[*] — Brindle</source>
        <translation>%1[*] — Brindle</translation>
    </message>
    <message>
        <source>The design</source>
        <translation>העיצוב</translation>
    </message>
    <message>
        <source>The unsaved work</source>
        <translation>העבודה שלא נשמרה</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>שינויים שלא נשמרו</translation>
    </message>
    <message>
        <source>Do you want to save the changes to “%1”?</source>
        <translation>האם לשמור את השינויים בפרויקט ”%1“?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them.</source>
        <translation>השינויים יאבדו אם לא יישמרו.</translation>
    </message>
    <message>
        <source>Recover Unsaved Work</source>
        <translation>שחזור עבודה שלא נשמרה</translation>
    </message>
    <message>
        <source>There is no unsaved work to recover.</source>
        <translation>אין עבודה שלא נשמרה לשחזור.</translation>
    </message>
    <message>
        <source>Recovery Failed</source>
        <translation>השחזור נכשל</translation>
    </message>
    <message>
        <source>The unsaved work could not be read (%1); it was set aside as “%2”.</source>
        <translation>לא ניתן היה לקרוא את העבודה שלא נשמרה (%1); היא הועברה הצידה בשם ”%2“.</translation>
    </message>
    <message>
        <source>Recovery Copy Not Written</source>
        <translation>עותק השחזור לא נכתב</translation>
    </message>
    <message>
        <source>The restored work could not be kept in “%1”, so its earlier copy stays there and will be offered again. Save the design to keep it.</source>
        <translation>לא ניתן היה לשמור את העבודה המשוחזרת בתיקייה ”%1“, ולכן העותק הקודם שלה נשאר שם ויוצע שוב. כדי לא לאבד אותה, יש לשמור את העיצוב.</translation>
    </message>
    <message>
        <source>Unsaved work cannot be kept for recovery in %1.</source>
        <translation>לא ניתן לשמור עותק לשחזור של עבודה שלא נשמרה ב-%1.</translation>
    </message>
    <message>
        <source>Brindle could not keep a copy of your unsaved work in “%1”: %2
It keeps trying; save the design to be safe.</source>
        <translation>Brindle לא הצליח לשמור עותק של העבודה שלא נשמרה בתיקייה ”%1“: %2
הניסיונות נמשכים; ליתר ביטחון, יש לשמור את העיצוב.</translation>
    </message>
</context>
<context>
    <name>brindle::GalleryActions</name>
    <message>
        <source>New from &amp;Design…</source>
        <translation>חדש מ&amp;עיצוב…</translation>
    </message>
    <message>
        <source>Save Design to &amp;Gallery…</source>
        <translation>שמירת העיצוב ב&amp;גלריה…</translation>
    </message>
    <message>
        <source>Keep Your Menu?</source>
        <translation>להשאיר את התפריט שלך?</translation>
    </message>
    <message>
        <source>Start from “%1” with your menu, or with the design&apos;s sample menu?</source>
        <translation>להתחיל מהעיצוב ”%1“ עם התפריט שלך, או עם תפריט הדוגמה של העיצוב?</translation>
    </message>
    <message>
        <source>Your menu keeps its items, links, icons and output options; only the look changes.</source>
        <translation>התפריט שלך שומר על הפריטים, הקישורים, הסמלים ואפשרויות הפלט שלו; רק המראה משתנה.</translation>
    </message>
    <message>
        <source>&amp;Keep My Menu</source>
        <translation>&amp;השארת התפריט שלי</translation>
    </message>
    <message>
        <source>Use &amp;Sample Menu</source>
        <translation>שימוש בתפריט ה&amp;דוגמה</translation>
    </message>
    <message>
        <source>Save Design to Gallery</source>
        <translation>שמירת העיצוב בגלריה</translation>
    </message>
    <message>
        <source>Name of the design:</source>
        <translation>שם העיצוב:</translation>
    </message>
    <message>
        <source>Design Not Saved</source>
        <translation>העיצוב לא נשמר</translation>
    </message>
    <message>
        <source>The design was not saved: %1.</source>
        <translation>העיצוב לא נשמר: %1.</translation>
    </message>
    <message>
        <source>Replace Design?</source>
        <translation>להחליף את העיצוב?</translation>
    </message>
    <message>
        <source>A design called “%1” is in the gallery. Replace it?</source>
        <translation>בגלריה כבר יש עיצוב בשם ”%1“. להחליף אותו?</translation>
    </message>
    <message>
        <source>Saved “%1” to the gallery</source>
        <translation>העיצוב ”%1“ נשמר בגלריה</translation>
    </message>
</context>
<context>
    <name>brindle::GradientPanel</name>
    <message>
        <source>Start</source>
        <translation>התחלה</translation>
    </message>
    <message>
        <source>start</source>
        <translation>התחלה</translation>
    </message>
    <message>
        <source>Stop 1</source>
        <translation>עצירה 1</translation>
    </message>
    <message>
        <source>stop 1</source>
        <translation>עצירה 1</translation>
    </message>
    <message>
        <source>Stop 2</source>
        <translation>עצירה 2</translation>
    </message>
    <message>
        <source>stop 2</source>
        <translation>עצירה 2</translation>
    </message>
    <message>
        <source>Stop 3</source>
        <translation>עצירה 3</translation>
    </message>
    <message>
        <source>stop 3</source>
        <translation>עצירה 3</translation>
    </message>
    <message>
        <source>End</source>
        <translation>סוף</translation>
    </message>
    <message>
        <source>end</source>
        <translation>סוף</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>רקע</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>צבע</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>מיקום</translation>
    </message>
    <message>
        <source>%1 colour</source>
        <translation>צבע %1</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>%1 position</source>
        <translation>מיקום %1</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>אטימות</translation>
    </message>
    <message>
        <source>opacity</source>
        <translation>אטימות</translation>
    </message>
</context>
<context>
    <name>brindle::LeftWorkDialog</name>
    <message>
        <source>Recover Unsaved Work</source>
        <translation>שחזור עבודה שלא נשמרה</translation>
    </message>
    <message>
        <source>Brindle ended without saving these designs. Restore one to continue where you left off; the others are kept for later.</source>
        <translation>Brindle נסגר בלי לשמור את העיצובים האלה. אפשר לשחזר אחד מהם ולהמשיך מהמקום שבו הפסקת; האחרים יישמרו למועד אחר.</translation>
    </message>
    <message>
        <source>Unsaved designs</source>
        <translation>עיצובים שלא נשמרו</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>ש&amp;חזור</translation>
    </message>
    <message>
        <source>&amp;Discard…</source>
        <translation>&amp;השלכה…</translation>
    </message>
    <message>
        <source>&amp;Keep for Later</source>
        <translation>ה&amp;שארה למועד אחר</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>ללא שם</translation>
    </message>
    <message>
        <source>%1
kept %2 — cannot be read</source>
        <translation>%1
נשמר ב-%2 — לא ניתן לקריאה</translation>
    </message>
    <message>
        <source>1 item</source>
        <translation>פריט אחד</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 פריטים</translation>
    </message>
    <message>
        <source>%1
kept %2 — %3: %4</source>
        <translation>%1
נשמר ב-%2 — %3: %4</translation>
    </message>
    <message>
        <source>Discard Unsaved Work</source>
        <translation>השלכת עבודה שלא נשמרה</translation>
    </message>
    <message>
        <source>Discard the unsaved work “%1”?</source>
        <translation>להשליך את העבודה שלא נשמרה ”%1“?</translation>
    </message>
    <message>
        <source>It cannot be brought back.</source>
        <translation>לא ניתן יהיה לשחזר אותה.</translation>
    </message>
</context>
<context>
    <name>brindle::MainWindow</name>
    <message>
        <source>Modes</source>
        <translation>מצבים</translation>
    </message>
    <message>
        <source>Menu preview</source>
        <translation>תצוגה מקדימה של התפריט</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;קובץ</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>פרויקטים &amp;אחרונים</translation>
    </message>
    <message>
        <source>Export &amp;HTML…</source>
        <translation>ייצוא &amp;HTML…</translation>
    </message>
    <message>
        <source>Export &amp;CSS…</source>
        <translation>ייצוא &amp;CSS…</translation>
    </message>
    <message>
        <source>Export &amp;All…</source>
        <translation>ייצוא ה&amp;כול…</translation>
    </message>
    <message>
        <source>Export Sn&amp;ippet…</source>
        <translation>ייצוא &amp;קטע קוד…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;יציאה</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;תצוגה</translation>
    </message>
    <message>
        <source>Open in &amp;Browser</source>
        <translation>פתיחה ב&amp;דפדפן</translation>
    </message>
    <message>
        <source>The preview is not ready yet.</source>
        <translation>התצוגה המקדימה עדיין לא מוכנה.</translation>
    </message>
    <message>
        <source>Check &amp;Contrast…</source>
        <translation>בדיקת &amp;ניגודיות…</translation>
    </message>
    <message>
        <source>Open Check Contrast</source>
        <translation>פתיחת בדיקת הניגודיות</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;עריכה</translation>
    </message>
    <message>
        <source>Copy &amp;HTML</source>
        <translation>העתקת &amp;HTML</translation>
    </message>
    <message>
        <source>Copy C&amp;SS</source>
        <translation>העתקת C&amp;SS</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ע&amp;זרה</translation>
    </message>
    <message>
        <source>Brindle &amp;Home Page</source>
        <translation>&amp;דף הבית של Brindle</translation>
    </message>
    <message>
        <source>&amp;Related Applications…</source>
        <translation>&amp;יישומים קשורים…</translation>
    </message>
    <message>
        <source>&amp;About Brindle</source>
        <translation>&amp;אודות Brindle</translation>
    </message>
    <message>
        <source>The preview folder could not be created in %1; the preview stays empty.</source>
        <translation>לא ניתן היה ליצור את תיקיית התצוגה המקדימה ב-%1; התצוגה המקדימה תישאר ריקה.</translation>
    </message>
    <message>
        <source>1 text colour hard to read</source>
        <translation>צבע טקסט אחד שקשה לקרוא</translation>
    </message>
    <message>
        <source>%1 text colours hard to read</source>
        <translation>%1 צבעי טקסט שקשה לקרוא</translation>
    </message>
    <message>
        <source>1 icon or arrow hard to see</source>
        <translation>סמל או חץ אחד שקשה לראות</translation>
    </message>
    <message>
        <source>%1 icons or arrows hard to see</source>
        <translation>%1 סמלים או חיצים שקשה לראות</translation>
    </message>
</context>
<context>
    <name>brindle::MenuImportActions</name>
    <message>
        <source>Import &amp;Menu…</source>
        <translation>&amp;ייבוא תפריט…</translation>
    </message>
    <message>
        <source>Take the menu of a site&apos;s page, sitemap or outline; the style stays</source>
        <translation>לקחת את התפריט מדף, ממפת אתר או מראשי פרקים; הסגנון נשאר</translation>
    </message>
    <message>
        <source>Menu Not Imported</source>
        <translation>התפריט לא יובא</translation>
    </message>
    <message>
        <source>No menu could be taken from “%1”: %2</source>
        <translation>לא ניתן היה לקחת תפריט מתוך „%1”: %2</translation>
    </message>
    <message>
        <source>Import Menu</source>
        <translation>ייבוא תפריט</translation>
    </message>
    <message>
        <source>The menu of “%1” was imported; Undo brings the previous one back.</source>
        <translation>התפריט של „%1” יובא; ביטול מחזיר את התפריט הקודם.</translation>
    </message>
    <message>
        <source>Menu Imported</source>
        <translation>התפריט יובא</translation>
    </message>
    <message>
        <source>The menu of “%1” was imported. Not all of it could be taken as it was:

%2</source>
        <translation>התפריט של „%1” יובא. לא הכול נלקח כפי שהיה:

%2</translation>
    </message>
</context>
<context>
    <name>brindle::MenuItemForm</name>
    <message>
        <source>Icon &amp;follows the text colour</source>
        <translation>הסמל מקבל את צבע ה&amp;טקסט</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>יצירה</translation>
    </message>
    <message>
        <source>Space between the icon and the title</source>
        <translation>הרווח בין הסמל לכותרת</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;כותרת:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>סו&amp;ג:</translation>
    </message>
    <message>
        <source>&amp;Link:</source>
        <translation>&amp;קישור:</translation>
    </message>
    <message>
        <source>&amp;Icon:</source>
        <translation>&amp;סמל:</translation>
    </message>
    <message>
        <source>Icon (&amp;2×):</source>
        <translation>סמל (&amp;2×):</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>Icon &amp;gap:</source>
        <translation>&amp;מרווח סמל:</translation>
    </message>
    <message>
        <source>Icon gap</source>
        <translation>מרווח סמל</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;ביטול</translation>
    </message>
    <message>
        <source>None</source>
        <translation>ללא</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>בחירה…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>ניקוי</translation>
    </message>
    <message>
        <source>Choose %1 file</source>
        <translation>בחירת קובץ %1</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>ניקוי %1</translation>
    </message>
    <message>
        <source>C&amp;reate</source>
        <translation>&amp;יצירה</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;שמירה</translation>
    </message>
    <message>
        <source>Choose Icon</source>
        <translation>בחירת סמל</translation>
    </message>
    <message>
        <source>Choose Double-Resolution Icon</source>
        <translation>בחירת סמל ברזולוציה כפולה</translation>
    </message>
    <message>
        <source>Icons (*.svg *.svgz *.png *.jpeg *.jpg *.gif *.SVG *.SVGZ *.PNG *.JPEG *.JPG *.GIF)</source>
        <translation>סמלים (*.svg *.svgz *.png *.jpeg *.jpg *.gif *.SVG *.SVGZ *.PNG *.JPEG *.JPG *.GIF)</translation>
    </message>
    <message>
        <source>SVG icons (*.svg *.svgz *.SVG *.SVGZ)</source>
        <translation>סמלי SVG (*.svg *.svgz *.SVG *.SVGZ)</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpeg *.jpg *.gif *.PNG *.JPEG *.JPG *.GIF)</source>
        <translation>תמונות (*.png *.jpeg *.jpg *.gif *.PNG *.JPEG *.JPG *.GIF)</translation>
    </message>
    <message>
        <source>An SVG icon is sharp at every size: it needs no double-resolution file.</source>
        <translation>סמל SVG חד בכל גודל: אין צורך בקובץ ברזולוציה כפולה.</translation>
    </message>
    <message>
        <source>The icon&apos;s black parts take the colour of the item&apos;s text, also on hover and while pressed (an SVG icon only)</source>
        <translation>החלקים השחורים של הסמל מקבלים את צבע הטקסט של הפריט, גם בריחוף ובזמן לחיצה (בסמל SVG בלבד)</translation>
    </message>
    <message>
        <source>Classic pages show the icon&apos;s pictures, which keep their colours: choose the Modern output style for an icon in the text&apos;s colour</source>
        <translation>דפים בסגנון קלאסי מציגים את תמונות הסמל, והן שומרות על הצבעים שלהן: לסמל בצבע הטקסט יש לבחור בסגנון הפלט המודרני</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>תפריט ראשי</translation>
    </message>
    <message>
        <source>Sub Menu</source>
        <translation>תפריט משנה</translation>
    </message>
    <message>
        <source>Third Level</source>
        <translation>רמה שלישית</translation>
    </message>
</context>
<context>
    <name>brindle::MenuStructureView</name>
    <message>
        <source>Add a menu item</source>
        <translation>הוספת פריט תפריט</translation>
    </message>
    <message>
        <source>Remove the selected item</source>
        <translation>הסרת הפריט הנבחר</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>עריכה…</translation>
    </message>
    <message>
        <source>Edit the selected item</source>
        <translation>עריכת הפריט הנבחר</translation>
    </message>
    <message>
        <source>Menu items</source>
        <translation>פריטי תפריט</translation>
    </message>
    <message>
        <source>“%1”: %2</source>
        <translation>”%1“: %2</translation>
    </message>
    <message>
        <source>“%1” was cleaned for the web: left out %2.</source>
        <translation>הקובץ ”%1“ נוקה לשימוש ברשת: הושמטו %2.</translation>
    </message>
    <message>
        <source>The icon is kept as %1: another picture is already called %2.</source>
        <translation>הסמל נשמר בשם %1: תמונה אחרת כבר נקראת %2.</translation>
    </message>
    <message>
        <source>Icon Not Used</source>
        <translation>לא נעשה שימוש בסמל</translation>
    </message>
    <message>
        <source>An icon could not be used.</source>
        <translation>לא ניתן היה להשתמש בסמל.</translation>
    </message>
    <message>
        <source>Two icons could not be used.</source>
        <translation>לא ניתן היה להשתמש בשני סמלים.</translation>
    </message>
    <message>
        <source>The item keeps the icon it had before.</source>
        <translation>הפריט שומר על הסמל שהיה לו קודם.</translation>
    </message>
    <message>
        <source>Delete Menu</source>
        <translation>מחיקת תפריט</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;מחיקה</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot; and all of its sub menus?</source>
        <translation>האם אכן למחוק את ”%1“ ואת כל תפריטי המשנה שלו?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
</context>
<context>
    <name>brindle::MenuTreeModel</name>
    <message>
        <source>Rename Item</source>
        <translation>שינוי שם פריט</translation>
    </message>
    <message>
        <source>Move Item</source>
        <translation>הזזת פריט</translation>
    </message>
    <message>
        <source>Add Item</source>
        <translation>הוספת פריט</translation>
    </message>
    <message>
        <source>Delete “%1”</source>
        <translation>מחיקת ”%1“</translation>
    </message>
    <message>
        <source>Edit Item</source>
        <translation>עריכת פריט</translation>
    </message>
</context>
<context>
    <name>brindle::OutputView</name>
    <message>
        <source>Output</source>
        <translation>פלט</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>קלאסי</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>מודרני</translation>
    </message>
    <message>
        <source>Classic: the original page, opened by mouse hover.
Modern: standard CSS in a navigation landmark, usable with the keyboard, on touch screens and on phones.</source>
        <translation>קלאסי: הדף המקורי, שנפתח בריחוף העכבר.
מודרני: CSS תקני בתוך אזור ניווט, שמיש במקלדת, במסכי מגע ובטלפונים.</translation>
    </message>
    <message>
        <source>The name screen readers give the navigation landmark</source>
        <translation>השם שקוראי מסך מקריאים עבור אזור הניווט</translation>
    </message>
    <message>
        <source>Narrower screens show the menu as a vertical list behind a “Menu” button</source>
        <translation>במסכים צרים יותר התפריט מוצג כרשימה אנכית מאחורי כפתור ”Menu“</translation>
    </message>
    <message>
        <source>Every class and id of the Modern page and of the snippet starts with it, so the menu keeps to itself in your site: letters, digits, “-” and “_”, beginning with a letter</source>
        <translation>כל מחלקה ומזהה (id) של הדף המודרני ושל קטע הקוד מתחילים בשם הזה, כך שהתפריט לא מתערב בשאר האתר שלך: אותיות, ספרות, ”-“ ו-”_“, ובראשו אות</translation>
    </message>
    <message>
        <source>style</source>
        <translation>סגנון</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>סגנון</translation>
    </message>
    <message>
        <source>menu name</source>
        <translation>שם התפריט</translation>
    </message>
    <message>
        <source>Menu name</source>
        <translation>שם התפריט</translation>
    </message>
    <message>
        <source>phone layout below</source>
        <translation>פריסת טלפון מתחת לרוחב</translation>
    </message>
    <message>
        <source>Phone below</source>
        <translation>טלפון מתחת ל-</translation>
    </message>
    <message>
        <source>class name</source>
        <translation>שם מחלקה</translation>
    </message>
    <message>
        <source>Class name</source>
        <translation>שם מחלקה</translation>
    </message>
    <message>
        <source>A class name holds letters, digits, “-” and “_” only: “site-nav”, not “site nav”</source>
        <translation>שם מחלקה מכיל רק אותיות, ספרות, ”-“ ו-”_“: ”site-nav“, לא ”site nav“</translation>
    </message>
    <message>
        <source>The class name cannot be empty; it stays “%1”</source>
        <translation>שם המחלקה לא יכול להיות ריק; הוא נשאר ”%1“</translation>
    </message>
    <message>
        <source>“%1” is not a class name: it must begin with a letter; it stays “%2”</source>
        <translation>”%1“ אינו שם מחלקה: עליו להתחיל באות; השם נשאר ”%2“</translation>
    </message>
    <message>
        <source>From the page</source>
        <translation>לפי הדף</translation>
    </message>
    <message>
        <source>Left to right</source>
        <translation>משמאל לימין</translation>
    </message>
    <message>
        <source>Right to left</source>
        <translation>מימין לשמאל</translation>
    </message>
    <message>
        <source>From the page: the menu reads as the page around it does, right to left on an Arabic or Hebrew page. The other two fix the direction on the menu itself.</source>
        <translation>לפי הדף: התפריט נקרא כמו הדף שסביבו, כלומר מימין לשמאל בדף בערבית או בעברית. שתי האפשרויות האחרות קובעות את הכיוון בתפריט עצמו.</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>כיוון</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>כיוון</translation>
    </message>
    <message>
        <source>Classic pages show two levels: the menu’s third level stays in the design but is not on the page.</source>
        <translation>דפים קלאסיים מציגים שתי רמות: הרמה השלישית של התפריט נשארת בעיצוב אך אינה מופיעה בדף.</translation>
    </message>
</context>
<context>
    <name>brindle::PreviewArea</name>
    <message>
        <source>&amp;Desktop Width</source>
        <translation>רוחב מ&amp;חשב שולחני</translation>
    </message>
    <message>
        <source>&amp;Tablet Width (768 px)</source>
        <translation>רוחב &amp;טאבלט (768 px)</translation>
    </message>
    <message>
        <source>&amp;Phone Width (375 px)</source>
        <translation>רוחב ט&amp;לפון (375 px)</translation>
    </message>
    <message>
        <source>Preview width</source>
        <translation>רוחב התצוגה המקדימה</translation>
    </message>
</context>
<context>
    <name>brindle::ProjectActions</name>
    <message>
        <source>Save Failed</source>
        <translation>השמירה נכשלה</translation>
    </message>
    <message>
        <source>The project could not be saved to “%1”: %2</source>
        <translation>לא ניתן היה לשמור את הפרויקט ב-”%1“: %2</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>הקובץ %1 נשמר</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>הפתיחה נכשלה</translation>
    </message>
    <message>
        <source>The project “%1” could not be opened: %2</source>
        <translation>לא ניתן היה לפתוח את הפרויקט ”%1“: %2</translation>
    </message>
    <message>
        <source>Design Not Used</source>
        <translation>לא נעשה שימוש בעיצוב</translation>
    </message>
    <message>
        <source>The design could not be used: %1</source>
        <translation>לא ניתן היה להשתמש בעיצוב: %1</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>הקובץ %1 נפתח</translation>
    </message>
    <message>
        <source>Opened %1; one icon is kept under a new name</source>
        <translation>הקובץ %1 נפתח; סמל אחד נשמר בשם חדש</translation>
    </message>
    <message>
        <source>Opened %1; %2 icons are kept under new names</source>
        <translation>הקובץ %1 נפתח; %2 סמלים נשמרו בשמות חדשים</translation>
    </message>
    <message>
        <source>Opened %1 without one of its icons</source>
        <translation>הקובץ %1 נפתח בלי אחד מהסמלים שלו</translation>
    </message>
    <message>
        <source>Opened %1 without %2 of its icons</source>
        <translation>הקובץ %1 נפתח בלי %2 מהסמלים שלו</translation>
    </message>
    <message>
        <source>Items Without Titles</source>
        <translation>פריטים ללא כותרת</translation>
    </message>
    <message>
        <source>%1 was opened, but one item has no title: its link says nothing to visitors.</source>
        <translation>פתיחת %1 הצליחה, אבל לפריט אחד אין כותרת: הקישור שלו לא אומר דבר למבקרים.</translation>
    </message>
    <message>
        <source>%1 was opened, but %2 items have no title: their links say nothing to visitors.</source>
        <translation>פתיחת %1 הצליחה, אבל ל-%2 פריטים אין כותרת: הקישורים שלהם לא אומרים דבר למבקרים.</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>עוד %1</translation>
    </message>
    <message>
        <source>Give a title to %1.</source>
        <translation>יש לתת כותרת ל-%1.</translation>
    </message>
    <message>
        <source>Icons Left Out</source>
        <translation>סמלים שהושמטו</translation>
    </message>
    <message>
        <source>%1 was opened, but one icon could not be used.</source>
        <translation>פתיחת %1 הצליחה, אבל לא ניתן היה להשתמש בסמל אחד.</translation>
    </message>
    <message>
        <source>%1 was opened, but %2 icons could not be used.</source>
        <translation>פתיחת %1 הצליחה, אבל לא ניתן היה להשתמש ב-%2 סמלים.</translation>
    </message>
    <message>
        <source>… and %1 more.</source>
        <translation>… ועוד %1.</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>הייצוא נכשל</translation>
    </message>
    <message>
        <source>The page could not be written to “%1”: %2</source>
        <translation>לא ניתן היה לכתוב את הדף ל-”%1“: %2</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>הייצוא הושלם: %1</translation>
    </message>
    <message>
        <source>The stylesheet could not be written to “%1”: %2</source>
        <translation>לא ניתן היה לכתוב את גיליון הסגנונות ל-”%1“: %2</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>הייצוא ל-%1 הושלם</translation>
    </message>
    <message>
        <source>Not every file could be exported to “%1”:
%2</source>
        <translation>לא ניתן היה לייצא את כל הקבצים ל-”%1“:
%2</translation>
    </message>
    <message>
        <source>Exported the menu to %1; %2 says what goes into your page</source>
        <translation>התפריט יוצא ל-%1; הקובץ %2 מסביר מה להוסיף לדף שלך</translation>
    </message>
    <message>
        <source>Replace Files?</source>
        <translation>להחליף קבצים?</translation>
    </message>
    <message>
        <source>“%1” already holds files of these names. Replace them with the menu’s?</source>
        <translation>בתיקייה ”%1“ כבר יש קבצים בשמות האלה. להחליף אותם בקבצי התפריט?</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;החלפה</translation>
    </message>
    <message>
        <source>Copied the menu&apos;s HTML; the comment at its top says what else your page needs</source>
        <translation>קוד ה-HTML של התפריט הועתק; ההערה שבראשו מסבירה מה עוד הדף שלך צריך</translation>
    </message>
    <message>
        <source>Copied the menu&apos;s CSS</source>
        <translation>קוד ה-CSS של התפריט הועתק</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>שמירת פרויקט</translation>
    </message>
    <message>
        <source>“%1” already exists. Do you want to replace it?</source>
        <translation>”%1“ כבר קיים. האם להחליף אותו?</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>פתיחת פרויקט</translation>
    </message>
    <message>
        <source>Export HTML</source>
        <translation>ייצוא HTML</translation>
    </message>
    <message>
        <source>Export CSS</source>
        <translation>ייצוא CSS</translation>
    </message>
    <message>
        <source>Export All Files</source>
        <translation>ייצוא כל הקבצים</translation>
    </message>
    <message>
        <source>Export Snippet</source>
        <translation>ייצוא קטע קוד</translation>
    </message>
    <message>
        <source>Brindle projects (*.brindleprj)</source>
        <translation>פרויקטים של Brindle (*.brindleprj)</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>”%1“</translation>
    </message>
    <message>
        <source>Import Menu</source>
        <translation>ייבוא תפריט</translation>
    </message>
    <message>
        <source>Pages, sitemaps and outlines (*.html *.htm *.xhtml *.xml *.md *.markdown *.txt);;All files (*)</source>
        <translation>דפים, מפות אתר וראשי פרקים (*.html *.htm *.xhtml *.xml *.md *.markdown *.txt);;כל הקבצים (*)</translation>
    </message>
</context>
<context>
    <name>brindle::QuickBackgroundPanel</name>
    <message>
        <source>Background (Normal)</source>
        <translation>רקע (רגיל)</translation>
    </message>
    <message>
        <source>Background (Hover)</source>
        <translation>רקע (ריחוף)</translation>
    </message>
    <message>
        <source>Background (Active)</source>
        <translation>רקע (פעיל)</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>תפריט ראשי</translation>
    </message>
    <message>
        <source>Sub-menu</source>
        <translation>תפריט משנה</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>צבע</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>טקסט</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>אטימות</translation>
    </message>
    <message>
        <source>background colour</source>
        <translation>צבע רקע</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>text brightness</source>
        <translation>בהירות טקסט</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>ניגודיות</translation>
    </message>
    <message>
        <source>opacity</source>
        <translation>אטימות</translation>
    </message>
    <message>
        <source>No brightness of this text colour reads on its background: choose another background colour</source>
        <translation>אף רמת בהירות של צבע הטקסט הזה אינה קריאה על הרקע שלו: יש לבחור צבע רקע אחר</translation>
    </message>
    <message>
        <source>Text at %1 % would not read on its background; %2 % is the nearest that does</source>
        <translation>טקסט בבהירות %1 % לא יהיה קריא על הרקע שלו; %2 % הוא הערך הקרוב ביותר שכן קריא</translation>
    </message>
</context>
<context>
    <name>brindle::QuickModeGeneralView</name>
    <message>
        <source>Square</source>
        <translation>ישרות</translation>
    </message>
    <message>
        <source>Rounded</source>
        <translation>מעוגלות</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>עגולות</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>צורה</translation>
    </message>
    <message>
        <source>corner shape</source>
        <translation>צורת הפינות</translation>
    </message>
    <message>
        <source>Corners</source>
        <translation>פינות</translation>
    </message>
</context>
<context>
    <name>brindle::QuickModeView</name>
    <message>
        <source>menu colour</source>
        <translation>צבע התפריט</translation>
    </message>
    <message>
        <source>Menu colour</source>
        <translation>צבע התפריט</translation>
    </message>
    <message>
        <source>No text colour of this hue reads on the %1 background: choose another menu colour, or set the text in the Main Menu mode</source>
        <translation>אף צבע טקסט בגוון הזה אינו קריא על רקע %1: יש לבחור צבע תפריט אחר, או לקבוע את הטקסט במצב ”תפריט ראשי“</translation>
    </message>
    <message>
        <source> and </source>
        <translation> ו-</translation>
    </message>
    <message>
        <source>hover</source>
        <translation>ריחוף</translation>
    </message>
    <message>
        <source>active</source>
        <translation>פעיל</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>רגיל</translation>
    </message>
</context>
<context>
    <name>brindle::RecentMenuController</name>
    <message>
        <source>Project Not Found</source>
        <translation>הפרויקט לא נמצא</translation>
    </message>
    <message>
        <source>The project “%1” can no longer be found. It was moved or deleted, and has been removed from the recent projects.</source>
        <translation>הפרויקט ”%1“ כבר לא נמצא. הוא הועבר או נמחק, ולכן הוסר מרשימת הפרויקטים האחרונים.</translation>
    </message>
</context>
<context>
    <name>brindle::RecoveryFile</name>
    <message>
        <source>The folder “%1” cannot be made.</source>
        <translation>לא ניתן ליצור את התיקייה ”%1“.</translation>
    </message>
    <message>
        <source>The recovery file is in use.</source>
        <translation>קובץ השחזור נמצא בשימוש.</translation>
    </message>
</context>
<context>
    <name>brindle::RelatedAppsSheet</name>
    <message>
        <source>Related Applications</source>
        <translation>יישומים קשורים</translation>
    </message>
    <message>
        <source>A fast editor for HTML, CSS and JavaScript, with snippets and syntax highlighting.</source>
        <translation>עורך מהיר ל-HTML, ל-CSS ול-JavaScript, עם קטעי קוד והדגשת תחביר.</translation>
    </message>
    <message>
        <source>A light editor for web pages and code, with a symbol list and build commands.</source>
        <translation>עורך קל לדפי אינטרנט ולקוד, עם רשימת סמלי קוד ופקודות בנייה.</translation>
    </message>
    <message>
        <source>A browser with tools for inspecting layouts, styles and scripts.</source>
        <translation>דפדפן עם כלים לבדיקת פריסות, סגנונות וסקריפטים.</translation>
    </message>
    <message>
        <source>Edits photos and draws bitmap images such as menu icons.</source>
        <translation>עורך צילומים ומצייר תמונות מפת סיביות, כמו סמלי תפריט.</translation>
    </message>
    <message>
        <source>Draws scalable vector graphics for icons and logos.</source>
        <translation>מצייר גרפיקה וקטורית בכל קנה מידה, לסמלים וללוגואים.</translation>
    </message>
    <message>
        <source>Uploads a finished site to a web server over FTP and SFTP.</source>
        <translation>מעלה אתר מוכן לשרת אינטרנט באמצעות FTP ו-SFTP.</translation>
    </message>
    <message>
        <source>Picks colours from anywhere on the screen and keeps palettes.</source>
        <translation>דוגם צבעים מכל מקום במסך ושומר פלטות צבעים.</translation>
    </message>
</context>
<context>
    <name>brindle::SeparatorView</name>
    <message>
        <source>Separator</source>
        <translation>מפריד</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>הצגה</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>הסתרה</translation>
    </message>
    <message>
        <source>lines between items</source>
        <translation>קווים בין פריטים</translation>
    </message>
    <message>
        <source>Lines between items</source>
        <translation>קווים בין פריטים</translation>
    </message>
</context>
<context>
    <name>brindle::ShadowPanel</name>
    <message>
        <source>Drop Shadow</source>
        <translation>צל חיצוני</translation>
    </message>
    <message>
        <source>Inner Shadow</source>
        <translation>צל פנימי</translation>
    </message>
    <message>
        <source>Text Shadow 1</source>
        <translation>צל טקסט 1</translation>
    </message>
    <message>
        <source>Text Shadow 2</source>
        <translation>צל טקסט 2</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>צבע</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>צבע</translation>
    </message>
    <message>
        <source>opacity</source>
        <translation>אטימות</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>אטימות</translation>
    </message>
    <message>
        <source>X offset</source>
        <translation>היסט X</translation>
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
        <translation>היסט Y</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>size</source>
        <translation>גודל</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>גודל</translation>
    </message>
</context>
<context>
    <name>brindle::ShapePanel</name>
    <message>
        <source>Menu bar</source>
        <translation>סרגל התפריט</translation>
    </message>
    <message>
        <source>Sub-menu</source>
        <translation>תפריט משנה</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>צורה</translation>
    </message>
    <message>
        <source>corner radius</source>
        <translation>רדיוס פינות</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>רדיוס</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>border size</source>
        <translation>עובי גבול</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>גבול</translation>
    </message>
    <message>
        <source>border colour</source>
        <translation>צבע גבול</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>צבע</translation>
    </message>
    <message>
        <source>width</source>
        <translation>רוחב</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>רוחב</translation>
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
        <translation>נעילת הריפוד השמאלי והימני יחד</translation>
    </message>
    <message>
        <source>Unlock left and right padding</source>
        <translation>ביטול הנעילה של הריפוד השמאלי והימני</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>שמאל</translation>
    </message>
    <message>
        <source>left padding</source>
        <translation>ריפוד שמאלי</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>ימין</translation>
    </message>
    <message>
        <source>right padding</source>
        <translation>ריפוד ימני</translation>
    </message>
    <message>
        <source>Lock top and bottom padding together</source>
        <translation>נעילת הריפוד העליון והתחתון יחד</translation>
    </message>
    <message>
        <source>Unlock top and bottom padding</source>
        <translation>ביטול הנעילה של הריפוד העליון והתחתון</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>למעלה</translation>
    </message>
    <message>
        <source>top padding</source>
        <translation>ריפוד עליון</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>למטה</translation>
    </message>
    <message>
        <source>bottom padding</source>
        <translation>ריפוד תחתון</translation>
    </message>
    <message>
        <source>Padding</source>
        <translation>ריפוד</translation>
    </message>
    <message>
        <source>While closed, Left and Right move together</source>
        <translation>כשהמנעול סגור, שמאל וימין משתנים יחד</translation>
    </message>
    <message>
        <source>While closed, Top and Bottom move together</source>
        <translation>כשהמנעול סגור, למעלה ולמטה משתנים יחד</translation>
    </message>
    <message>
        <source>Preview in Firefox</source>
        <translation>תצוגה מקדימה ב-Firefox</translation>
    </message>
    <message>
        <source>Firefox was not found on this computer.</source>
        <translation>Firefox לא נמצא במחשב הזה.</translation>
    </message>
    <message>
        <source>The preview is not ready yet.</source>
        <translation>התצוגה המקדימה עדיין לא מוכנה.</translation>
    </message>
    <message>
        <source>Firefox could not be started.</source>
        <translation>לא ניתן היה להפעיל את Firefox.</translation>
    </message>
    <message>
        <source>Firefox (%1) could not be started.</source>
        <translation>לא ניתן היה להפעיל את Firefox (%1).</translation>
    </message>
</context>
<context>
    <name>brindle::SourceCodeArea</name>
    <message>
        <source>Stylesheet source</source>
        <translation>קוד המקור של גיליון הסגנונות</translation>
    </message>
    <message>
        <source>HTML source</source>
        <translation>קוד המקור של ה-HTML</translation>
    </message>
</context>
<context>
    <name>brindle::TextColorPanel</name>
    <message>
        <source>colour</source>
        <translation>צבע</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>צבע</translation>
    </message>
</context>
<context>
    <name>brindle::TextView</name>
    <message>
        <source>Main Menu Text</source>
        <translation>טקסט התפריט הראשי</translation>
    </message>
    <message>
        <source>font</source>
        <translation>גופן</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>גופן</translation>
    </message>
    <message>
        <source>size</source>
        <translation>גודל</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>גודל</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>צבע</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>צבע</translation>
    </message>
    <message>
        <source>Sub Menu Text</source>
        <translation>טקסט תפריט המשנה</translation>
    </message>
</context>
<context>
    <name>brindle::WorkspaceModes</name>
    <message>
        <source>&amp;Menu Structure</source>
        <translation>&amp;מבנה התפריט</translation>
    </message>
    <message>
        <source>Edit the menu items, their links and icons</source>
        <translation>עריכת פריטי התפריט, הקישורים והסמלים שלהם</translation>
    </message>
    <message>
        <source>&amp;Quick Mode</source>
        <translation>מ&amp;צב מהיר</translation>
    </message>
    <message>
        <source>Style the whole menu from a few colours</source>
        <translation>עיצוב התפריט כולו מכמה צבעים בלבד</translation>
    </message>
    <message>
        <source>Ma&amp;in Menu</source>
        <translation>תפריט &amp;ראשי</translation>
    </message>
    <message>
        <source>Style the menu bar: normal, hover and active</source>
        <translation>עיצוב סרגל התפריט: רגיל, ריחוף ופעיל</translation>
    </message>
    <message>
        <source>&amp;Sub-Menu</source>
        <translation>תפריט מ&amp;שנה</translation>
    </message>
    <message>
        <source>Style the drop-down lists: normal, hover and active</source>
        <translation>עיצוב הרשימות הנפתחות: רגיל, ריחוף ופעיל</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
</TS>
