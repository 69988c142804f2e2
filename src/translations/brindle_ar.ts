<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>AccessibleWidgets</name>
    <message>
        <source>%1, %2% opaque</source>
        <translation>%1، عتامة %2%</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>اللون</translation>
    </message>
</context>
<context>
    <name>AppInfo</name>
    <message>
        <source>Copyright © 2026 The Brindle developers</source>
        <translation>حقوق النشر © 2026 لمطوّري Brindle</translation>
    </message>
    <message>
        <source>Released under the MIT License.</source>
        <translation>صدر بموجب رخصة MIT.</translation>
    </message>
</context>
<context>
    <name>Contrast</name>
    <message>
        <source>hover background</source>
        <translation>خلفية التمرير</translation>
    </message>
    <message>
        <source>active background</source>
        <translation>الخلفية النشطة</translation>
    </message>
    <message>
        <source>background</source>
        <translation>الخلفية</translation>
    </message>
    <message>
        <source>start</source>
        <translation>عند البداية</translation>
    </message>
    <message>
        <source>end</source>
        <translation>عند النهاية</translation>
    </message>
    <message>
        <source>stop %1</source>
        <translation>عند النقطة %1</translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <translation>%1 فوق %2</translation>
    </message>
    <message>
        <source>icon of “%1”</source>
        <translation>أيقونة «%1»</translation>
    </message>
    <message>
        <source>drop-down arrow</source>
        <translation>سهم القائمة المنسدلة</translation>
    </message>
</context>
<context>
    <name>DesignApplier</name>
    <message>
        <source>The icon %1 of %2 %3</source>
        <translation>الأيقونة %1 للعنصر %2 %3</translation>
    </message>
    <message>
        <source>was left out: there is no preview folder.</source>
        <translation>استُبعدت: لا يوجد مجلد معاينة.</translation>
    </message>
    <message>
        <source>cannot be decoded and was left out.</source>
        <translation>يتعذّر فك ترميزها، فاستُبعدت.</translation>
    </message>
    <message>
        <source>cannot be encoded and was left out.</source>
        <translation>يتعذّر ترميزها، فاستُبعدت.</translation>
    </message>
    <message>
        <source>cannot be written to the preview folder (%1) and was left out.</source>
        <translation>تتعذّر كتابتها في مجلد المعاينة (%1)، فاستُبعدت.</translation>
    </message>
    <message>
        <source>The icon %1 of %2 is kept as %3: another picture has its name.</source>
        <translation>حُفظت الأيقونة %1 للعنصر %2 باسم %3: توجد صورة أخرى بالاسم نفسه.</translation>
    </message>
    <message>
        <source>The SVG icon %1 of %2 cannot be written to the preview folder (%3); its pictures stand for it.</source>
        <translation>تتعذّر كتابة أيقونة SVG ذات الاسم %1 للعنصر %2 في مجلد المعاينة (%3)؛ وتحلّ صورها محلّها.</translation>
    </message>
    <message>
        <source>item %1 of the bar</source>
        <translation>العنصر %1 في الشريط</translation>
    </message>
    <message>
        <source>item %1 under %2</source>
        <translation>العنصر %1 تحت %2</translation>
    </message>
</context>
<context>
    <name>DesignGallery</name>
    <message>
        <source>the design is not a project file</source>
        <translation>التصميم ليس ملف مشروع</translation>
    </message>
    <message>
        <source>a design needs a name</source>
        <translation>يحتاج التصميم إلى اسم</translation>
    </message>
    <message>
        <source>a name cannot begin or end with a space</source>
        <translation>لا يمكن أن يبدأ الاسم أو ينتهي بمسافة</translation>
    </message>
    <message>
        <source>a name may have at most %1 characters</source>
        <translation>يجب ألا يزيد طول الاسم على %1 من الأحرف</translation>
    </message>
    <message>
        <source>a name cannot begin with a full stop</source>
        <translation>لا يمكن أن يبدأ الاسم بنقطة</translation>
    </message>
    <message>
        <source>a name cannot hold “%1”</source>
        <translation>لا يمكن أن يحتوي الاسم على «%1»</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>يتعذّر إنشاء المجلد %1</translation>
    </message>
    <message>
        <source>built-in designs cannot be renamed</source>
        <translation>لا يمكن إعادة تسمية التصاميم المدمجة</translation>
    </message>
    <message>
        <source>a design called “%1” exists</source>
        <translation>يوجد تصميم باسم «%1»</translation>
    </message>
    <message>
        <source>the design file cannot be renamed</source>
        <translation>تتعذّر إعادة تسمية ملف التصميم</translation>
    </message>
    <message>
        <source>built-in designs cannot be removed</source>
        <translation>لا يمكن إزالة التصاميم المدمجة</translation>
    </message>
    <message>
        <source>the design file cannot be removed</source>
        <translation>تتعذّر إزالة ملف التصميم</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>“%1” could not be written: %2</source>
        <translation>تعذّرت كتابة «%1»: %2</translation>
    </message>
    <message>
        <source>The icon “%1” was not copied: its name is not a plain file name.</source>
        <translation>لم تُنسخ الأيقونة «%1»: اسمها ليس اسم ملف بسيطًا.</translation>
    </message>
    <message>
        <source>The icon “%1” was not copied: %2</source>
        <translation>لم تُنسخ الأيقونة «%1»: %2</translation>
    </message>
    <message>
        <source>The icons were not copied: there is no preview folder.</source>
        <translation>لم تُنسخ الأيقونات: لا يوجد مجلد معاينة.</translation>
    </message>
    <message>
        <source>%1 holds files of the same name: %2</source>
        <translation>يحتوي %1 بالفعل على ملفات بالأسماء نفسها: %2</translation>
    </message>
    <message>
        <source>Classic pages show two levels: the menu’s third level stays in the design but is not on the page. The Modern style shows it.</source>
        <translation>تعرض الصفحات الكلاسيكية مستويين: يبقى المستوى الثالث من القائمة في التصميم لكنه لا يظهر في الصفحة. النمط الحديث يعرضه.</translation>
    </message>
</context>
<context>
    <name>GradientSettings</name>
    <message>
        <source>sub-menu</source>
        <translation>القائمة الفرعية،</translation>
    </message>
    <message>
        <source>main menu</source>
        <translation>القائمة الرئيسية،</translation>
    </message>
    <message>
        <source>hover</source>
        <translation>حالة التمرير،</translation>
    </message>
    <message>
        <source>active</source>
        <translation>الحالة النشطة،</translation>
    </message>
    <message>
        <source>background</source>
        <translation>الخلفية،</translation>
    </message>
    <message>
        <source>text</source>
        <translation>النص،</translation>
    </message>
</context>
<context>
    <name>IconFiles</name>
    <message>
        <source>the picture cannot be encoded</source>
        <translation>يتعذّر ترميز الصورة</translation>
    </message>
</context>
<context>
    <name>IconImporter</name>
    <message>
        <source>The preview folder is not available.</source>
        <translation>مجلد المعاينة غير متاح.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>تتعذّر قراءة الملف.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>حجم الملف أكبر من %1 MB.</translation>
    </message>
    <message>
        <source>The file cannot be read (%1).</source>
        <translation>تتعذّر قراءة الملف (%1).</translation>
    </message>
    <message>
        <source>It is not a PNG, JPEG or GIF picture.</source>
        <translation>ليست صورة PNG أو JPEG أو GIF.</translation>
    </message>
    <message>
        <source>The picture cannot be decoded, or it is larger than %1 pixels on a side or %2 million pixels in all.</source>
        <translation>يتعذّر فك ترميز الصورة، أو أن أحد أضلاعها يزيد على %1 بكسل، أو أن مجموع بكسلاتها يزيد على %2 مليون بكسل.</translation>
    </message>
    <message>
        <source>An SVG icon goes into the Icon field; it is sharp at every size without a double-resolution file.</source>
        <translation>توضع أيقونة SVG في حقل «الأيقونة»؛ فهي واضحة بكل الأحجام دون ملف مضاعف الدقة.</translation>
    </message>
    <message>
        <source>It cannot be encoded for the preview folder.</source>
        <translation>يتعذّر ترميزها لمجلد المعاينة.</translation>
    </message>
    <message>
        <source>It cannot be copied into the preview folder (%1).</source>
        <translation>يتعذّر نسخها إلى مجلد المعاينة (%1).</translation>
    </message>
    <message>
        <source>It cannot be used: %1.</source>
        <translation>يتعذّر استخدامها: %1.</translation>
    </message>
    <message>
        <source>It is %1 × %2 px large; a menu icon is at most %3 px on a side.</source>
        <translation>مقاسها %1 × %2 px؛ والحد الأقصى لضلع أيقونة القائمة %3 px.</translation>
    </message>
    <message>
        <source>It cannot be drawn.</source>
        <translation>يتعذّر رسمها.</translation>
    </message>
</context>
<context>
    <name>MenuImport</name>
    <message>
        <source>The page cannot be read.</source>
        <translation>تتعذر قراءة الصفحة.</translation>
    </message>
    <message>
        <source>The page has no navigation and no list of links.</source>
        <translation>لا تحتوي الصفحة على تنقل ولا على قائمة روابط.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>حجم الملف أكبر من %1 ميغابايت.</translation>
    </message>
    <message>
        <source>No menu items were found in the file.</source>
        <translation>لم يُعثر على عناصر قائمة في الملف.</translation>
    </message>
    <message>
        <source>The menu has %1 items; a menu holds at most %2.</source>
        <translation>تحتوي القائمة على %1 عنصرًا؛ والحد الأقصى للقائمة %2.</translation>
    </message>
    <message>
        <source>Items deeper than %1 levels, placed in level %1: %2</source>
        <translation>عناصر أعمق من %1 مستويات، وُضعت في المستوى %1: %2</translation>
    </message>
    <message>
        <source>Items without a title, left out: %1</source>
        <translation>عناصر بلا عنوان، أُغفلت: %1</translation>
    </message>
    <message>
        <source>Script links, left out (their items kept without a link): %1</source>
        <translation>روابط نصوص برمجية، أُغفلت (وبقيت عناصرها بلا رابط): %1</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>تتعذر قراءة الملف: %1</translation>
    </message>
    <message>
        <source>The file is a sitemap index: import one of the sitemaps it lists.</source>
        <translation>الملف فهرس لخرائط الموقع: استورد إحدى الخرائط المدرجة فيه.</translation>
    </message>
    <message>
        <source>The file is not a sitemap (a urlset of sitemaps.org).</source>
        <translation>الملف ليس خريطة موقع (urlset وفق sitemaps.org).</translation>
    </message>
    <message>
        <source>The sitemap cannot be read: %1 (line %2).</source>
        <translation>تتعذر قراءة خريطة الموقع: %1 (السطر %2).</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>الرئيسية</translation>
    </message>
    <message>
        <source>Addresses listed twice, taken once: %1</source>
        <translation>عناوين مكررة، أُخذت مرة واحدة: %1</translation>
    </message>
    <message>
        <source>Entries that are not web addresses, left out: %1</source>
        <translation>إدخالات ليست عناوين ويب، أُغفلت: %1</translation>
    </message>
    <message>
        <source>The sitemap lists no web addresses.</source>
        <translation>لا تحتوي خريطة الموقع على عناوين ويب.</translation>
    </message>
</context>
<context>
    <name>MenuStructureView</name>
    <message>
        <source>A menu item needs a title: a link without one says nothing to visitors.</source>
        <translation>يحتاج عنصر القائمة إلى عنوان: فالرابط الذي بلا عنوان لا يقول شيئًا للزوار.</translation>
    </message>
</context>
<context>
    <name>PageOpener</name>
    <message>
        <source>Page Not Opened</source>
        <translation>لم تُفتح الصفحة</translation>
    </message>
    <message>
        <source>The page could not be opened in a browser: %1</source>
        <translation>تعذّر فتح الصفحة في متصفح: %1</translation>
    </message>
    <message>
        <source>Open it by hand:
%1</source>
        <translation>افتحها يدويًا:
%1</translation>
    </message>
    <message>
        <source>the desktop&apos;s opener (xdg-open) is missing.</source>
        <translation>أداة الفتح في سطح المكتب (xdg-open) غير موجودة.</translation>
    </message>
    <message>
        <source>the desktop&apos;s opener (xdg-open) ended with error %1.</source>
        <translation>أداة الفتح في سطح المكتب (xdg-open) انتهت بالخطأ %1.</translation>
    </message>
</context>
<context>
    <name>PreviewFolder</name>
    <message>
        <source>the name is reserved for Brindle&apos;s own use</source>
        <translation>الاسم محجوز لاستخدام Brindle الخاص</translation>
    </message>
    <message>
        <source>the preview folder&apos;s file list cannot be written</source>
        <translation>تتعذّر كتابة قائمة ملفات مجلد المعاينة</translation>
    </message>
    <message>
        <source>the old script cannot be removed</source>
        <translation>تتعذّر إزالة البرنامج النصي القديم</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>the file cannot be read: </source>
        <translation>تتعذّر قراءة الملف: </translation>
    </message>
    <message>
        <source>the file is too large to be a project file</source>
        <translation>الملف أكبر من أن يكون ملف مشروع</translation>
    </message>
    <message>
        <source>the file is not a property list</source>
        <translation>الملف ليس قائمة خصائص (property list)</translation>
    </message>
    <message>
        <source>the file is a property list but not an array</source>
        <translation>الملف قائمة خصائص لكنه ليس مصفوفة</translation>
    </message>
</context>
<context>
    <name>ProjectReader</name>
    <message>
        <source>the file ends early: %1 is missing</source>
        <translation>ينتهي الملف قبل أوانه: ينقصه %1</translation>
    </message>
    <message>
        <source>element %1 (%2) should be %3 but is %4</source>
        <translation>العنصر %1 (%2) يجب أن يكون من نوع %3 لكنه من نوع %4</translation>
    </message>
    <message>
        <source>element %1 (%2) holds %3, which is out of range</source>
        <translation>العنصر %1 (%2) يحتوي على %3، وهي قيمة خارج النطاق المسموح</translation>
    </message>
    <message>
        <source>element %1 (%2) is not a finite number</source>
        <translation>العنصر %1 (%2) ليس عددًا منتهيًا</translation>
    </message>
    <message>
        <source>element %1 (%2) is negative: %3</source>
        <translation>العنصر %1 (%2) سالب: %3</translation>
    </message>
    <message>
        <source>element %1 (%2) claims %3 items, more than the file holds</source>
        <translation>العنصر %1 (%2) يذكر %3 من العناصر، وهذا أكثر مما يحتويه الملف</translation>
    </message>
    <message>
        <source>which is not valid UTF-8 text</source>
        <translation>وهو ليس نص UTF-8 صالحًا</translation>
    </message>
    <message>
        <source>which is longer than a file name may be (%1 bytes)</source>
        <translation>وهو أطول مما يُسمح به لاسم ملف (%1 بايت)</translation>
    </message>
    <message>
        <source>which is not a plain file name or is reserved for a generated file</source>
        <translation>وهو ليس اسم ملف بسيطًا، أو أنه محجوز لملف يُنشئه البرنامج</translation>
    </message>
    <message>
        <source>, file name</source>
        <translation>، اسم الملف</translation>
    </message>
    <message>
        <source>%1 has the file name %2, %3</source>
        <translation>اسم الملف في %1 هو %2، %3</translation>
    </message>
    <message>
        <source>, icon class</source>
        <translation>، فئة الأيقونة</translation>
    </message>
    <message>
        <source>, icon gap</source>
        <translation>، مسافة الأيقونة</translation>
    </message>
    <message>
        <source>, double-resolution icon</source>
        <translation>، الأيقونة مضاعفة الدقة</translation>
    </message>
    <message>
        <source>number of menu items</source>
        <translation>عدد عناصر القائمة</translation>
    </message>
    <message>
        <source>menu item %1</source>
        <translation>عنصر القائمة %1</translation>
    </message>
    <message>
        <source>, number of sub-items</source>
        <translation>، عدد العناصر الفرعية</translation>
    </message>
    <message>
        <source>the file has %1 unexpected elements after its last menu item</source>
        <translation>يحتوي الملف على %1 من العناصر غير المتوقعة بعد آخر عنصر قائمة فيه</translation>
    </message>
    <message>
        <source>%1 should be a dictionary but is %2</source>
        <translation>يجب أن تكون %1 قاموسًا لكنها من نوع %2</translation>
    </message>
    <message>
        <source>%1 has the unknown key %2</source>
        <translation>في %1 مفتاح غير معروف: %2</translation>
    </message>
    <message>
        <source>%1 has no SVG document as UTF-8 text</source>
        <translation>لا يوجد في %1 مستند SVG بنص UTF-8</translation>
    </message>
    <message>
        <source>%1 has no SVG file name</source>
        <translation>لا يوجد في %1 اسم ملف SVG</translation>
    </message>
    <message>
        <source>%1 has the file name %2, which does not end in “.svg”</source>
        <translation>اسم الملف في %1 هو %2، وهو لا ينتهي بـ «.svg»</translation>
    </message>
    <message>
        <source>%1 says whether it follows the text colour with %2, not a boolean</source>
        <translation>في %1، يُحدَّد اتباع لون النص بقيمة من نوع %2، لا بقيمة منطقية</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>يتعذّر استخدام %1: %2</translation>
    </message>
    <message>
        <source>%1 holds what an icon must not: %2</source>
        <translation>في %1 ما لا يجوز أن تحتويه أيقونة: %2</translation>
    </message>
    <message>
        <source>the items section should be a dictionary but is %1</source>
        <translation>يجب أن يكون قسم العناصر قاموسًا لكنه من نوع %1</translation>
    </message>
    <message>
        <source>the icon of item %1</source>
        <translation>أيقونة العنصر %1</translation>
    </message>
    <message>
        <source>the items section names %1, which the menu does not have</source>
        <translation>يذكر قسم العناصر %1، ولا يوجد في القائمة عنصر كهذا</translation>
    </message>
    <message>
        <source>%1 is an SVG without its two pictures</source>
        <translation>%1 بتنسيق SVG لكن دون صورتيها</translation>
    </message>
    <message>
        <source>the last element should be a dictionary of output options but is %1</source>
        <translation>يجب أن يكون العنصر الأخير قاموسًا لخيارات الإخراج لكنه من نوع %1</translation>
    </message>
    <message>
        <source>the output style is not “classic” or “modern”</source>
        <translation>نمط الإخراج ليس «classic» ولا «modern»</translation>
    </message>
    <message>
        <source>the navigation label is not a text that names something</source>
        <translation>اسم القائمة (مَعلم التنقّل) ليس نصًا يصلح اسمًا</translation>
    </message>
    <message>
        <source>the phone breakpoint is not a width from %1 to %2 pixels</source>
        <translation>حدّ عرض تخطيط الهاتف ليس قيمة من %1 إلى %2 بكسل</translation>
    </message>
    <message>
        <source>the class name is not a CSS class name of up to %1 letters, digits, “-” and “_”</source>
        <translation>اسم الفئة ليس اسم فئة CSS صالحًا لا يتجاوز %1 من الحروف والأرقام و«-» و«_»</translation>
    </message>
    <message>
        <source>the file has no version, so it is not a project file</source>
        <translation>لا يحمل الملف رقم إصدار، فهو ليس ملف مشروع</translation>
    </message>
    <message>
        <source>the file has the version %1, which this application cannot read</source>
        <translation>إصدار الملف %1، ولا يستطيع هذا التطبيق قراءته</translation>
    </message>
    <message>
        <source>the file ends early: it has %1 elements, too few for the settings and the number of menu items</source>
        <translation>ينتهي الملف قبل أوانه: فيه %1 من العناصر فقط، وهذا أقل مما تحتاجه الإعدادات وعدد عناصر القائمة</translation>
    </message>
    <message>
        <source>the menu&apos;s direction is not “page”, “ltr” or “rtl”</source>
        <translation>اتجاه القائمة ليس «page» أو «ltr» أو «rtl»</translation>
    </message>
    <message>
        <source>setting %1</source>
        <translation>الإعداد %1</translation>
    </message>
    <message>
        <source>, present</source>
        <translation>، الوجود</translation>
    </message>
    <message>
        <source>, image</source>
        <translation>، الصورة</translation>
    </message>
    <message>
        <source>, title</source>
        <translation>، العنوان</translation>
    </message>
    <message>
        <source>, link</source>
        <translation>، الرابط</translation>
    </message>
    <message>
        <source>, icon</source>
        <translation>، الأيقونة</translation>
    </message>
    <message>
        <source>sub-item %1 of %2</source>
        <translation>العنصر الفرعي %1 من %2</translation>
    </message>
    <message>
        <source>the current page&apos;s look is not “active”, “hover” or “plain”</source>
        <translation>مظهر الصفحة الحالية ليس «active» أو «hover» أو «plain»</translation>
    </message>
</context>
<context>
    <name>PropertyList</name>
    <message>
        <source>an integer</source>
        <translation>عدد صحيح</translation>
    </message>
    <message>
        <source>a real number</source>
        <translation>عدد حقيقي</translation>
    </message>
    <message>
        <source>a boolean</source>
        <translation>قيمة منطقية</translation>
    </message>
    <message>
        <source>a dictionary</source>
        <translation>قاموس</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>مصفوفة</translation>
    </message>
    <message>
        <source>a date</source>
        <translation>تاريخ</translation>
    </message>
    <message>
        <source>a key</source>
        <translation>مفتاح</translation>
    </message>
    <message>
        <source>an identifier</source>
        <translation>معرّف</translation>
    </message>
    <message>
        <source>an unknown element</source>
        <translation>عنصر غير معروف</translation>
    </message>
    <message>
        <source>text</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>data</source>
        <translation>بيانات</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Colors</source>
        <translation>الألوان</translation>
    </message>
</context>
<context>
    <name>SvgCleaner</name>
    <message>
        <source>processing instruction</source>
        <translation>تعليمة معالجة</translation>
    </message>
    <message>
        <source>a element&apos;s link</source>
        <translation>رابط العنصر a</translation>
    </message>
    <message>
        <source>id value a reference cannot name</source>
        <translation>قيمة id لا يمكن أن يشير إليها مرجع</translation>
    </message>
    <message>
        <source>repeated id</source>
        <translation>معرّف id مكرر</translation>
    </message>
    <message>
        <source> value reaching outside the file</source>
        <translation> بقيمة تشير إلى خارج الملف</translation>
    </message>
    <message>
        <source>link outside the file</source>
        <translation>رابط إلى خارج الملف</translation>
    </message>
    <message>
        <source>link to a missing element</source>
        <translation>رابط إلى عنصر غير موجود</translation>
    </message>
    <message>
        <source>reference to a missing element</source>
        <translation>مرجع إلى عنصر غير موجود</translation>
    </message>
    <message>
        <source>its elements refer to each other in a circle</source>
        <translation>تشير عناصرها بعضها إلى بعض في حلقة مغلقة</translation>
    </message>
    <message>
        <source>its references nest more than %1 deep</source>
        <translation>تتداخل مراجعها بعمق يتجاوز %1</translation>
    </message>
    <message>
        <source>its references would draw more than %1 elements</source>
        <translation>سترسم مراجعها عناصر يتجاوز عددها %1</translation>
    </message>
    <message>
        <source>%1 element</source>
        <translation>العنصر %1</translation>
    </message>
    <message>
        <source>%1 attribute</source>
        <translation>السمة %1</translation>
    </message>
</context>
<context>
    <name>SvgCss</name>
    <message>
        <source>%1 style property</source>
        <translation>خاصية %1 في النمط</translation>
    </message>
    <message>
        <source>%1 style value reaching outside the file</source>
        <translation>قيمة %1 في النمط تشير إلى خارج الملف</translation>
    </message>
    <message>
        <source>style rule for %1</source>
        <translation>قاعدة نمط لـ %1</translation>
    </message>
</context>
<context>
    <name>SvgIcon</name>
    <message>
        <source>it cannot be decompressed</source>
        <translation>يتعذّر فك ضغطها</translation>
    </message>
    <message>
        <source>it is larger than %1 KB once decompressed</source>
        <translation>حجمها بعد فك الضغط أكبر من %1 KB</translation>
    </message>
    <message>
        <source>it is not a complete gzip stream</source>
        <translation>ليست دفق gzip كاملًا</translation>
    </message>
</context>
<context>
    <name>SvgTree</name>
    <message>
        <source>it is larger than %1 KB</source>
        <translation>حجمها أكبر من %1 KB</translation>
    </message>
    <message>
        <source>it declares a DTD or entities, which an icon never needs</source>
        <translation>تُعرِّف DTD أو كيانات، ولا تحتاج الأيقونة إلى ذلك أبدًا</translation>
    </message>
    <message>
        <source>its elements are nested more than %1 deep</source>
        <translation>تتداخل عناصرها بعمق يتجاوز %1</translation>
    </message>
    <message>
        <source>it has more than %1 elements</source>
        <translation>يتجاوز عدد عناصرها %1</translation>
    </message>
    <message>
        <source>it is not an SVG image</source>
        <translation>ليست صورة SVG</translation>
    </message>
    <message>
        <source>it is not well-formed XML (%1)</source>
        <translation>ليست مستند XML سليم البنية (%1)</translation>
    </message>
</context>
<context>
    <name>TabStripView</name>
    <message>
        <source>Menu bar state</source>
        <translation>حالة شريط القائمة</translation>
    </message>
    <message>
        <source>Sub-menu state</source>
        <translation>حالة القائمة الفرعية</translation>
    </message>
    <message>
        <source>Source code</source>
        <translation>الشيفرة المصدرية</translation>
    </message>
    <message>
        <source>Application category</source>
        <translation>فئة التطبيقات</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>عادي</translation>
    </message>
    <message>
        <source>Hover</source>
        <translation>تمرير</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>نشط</translation>
    </message>
    <message>
        <source>Developer Tools</source>
        <translation>أدوات المطوّرين</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>أدوات مساعدة</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>الحالي</translation>
    </message>
</context>
<context>
    <name>ThumbnailCache</name>
    <message>
        <source>nothing to keep</source>
        <translation>لا يوجد ما يُحفظ</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>يتعذّر إنشاء المجلد %1</translation>
    </message>
    <message>
        <source>the picture cannot be encoded</source>
        <translation>يتعذّر ترميز الصورة</translation>
    </message>
</context>
<context>
    <name>brindle::AboutSheet</name>
    <message>
        <source>About %1</source>
        <translation>حول %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>الإصدار %1</translation>
    </message>
    <message>
        <source>Navigation bars with drop-down menus, without writing code.</source>
        <translation>أشرطة تنقّل بقوائم منسدلة، دون كتابة أي شيفرة.</translation>
    </message>
</context>
<context>
    <name>brindle::ContrastBadge</name>
    <message>
        <source>Text contrast</source>
        <translation>تباين النص</translation>
    </message>
    <message>
        <source>The text&apos;s contrast is %1 at worst, against the %2.</source>
        <translation>أدنى تباين للنص هو %1، مقابل %2.</translation>
    </message>
    <message>
        <source>That is below %1 for text of this size, hard to read for many visitors; 3 : 1 applies from 24 px, or 18.66 px bold.</source>
        <translation>وهذا أقل من %1 المطلوب لنص بهذا الحجم، فيصعب على كثير من الزوار قراءته؛ وتكفي نسبة 3 : 1 ابتداءً من 24 px، أو 18.66 px للنص العريض.</translation>
    </message>
</context>
<context>
    <name>brindle::ContrastWindow</name>
    <message>
        <source>Bar</source>
        <translation>الشريط</translation>
    </message>
    <message>
        <source>Sub-menu</source>
        <translation>القائمة الفرعية</translation>
    </message>
    <message>
        <source>Hover</source>
        <translation>تمرير</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>نشط</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>عادي</translation>
    </message>
    <message>
        <source>%1, %2 text</source>
        <translation>%1، النص (%2)</translation>
    </message>
    <message>
        <source>Check Contrast</source>
        <translation>فحص التباين</translation>
    </message>
    <message>
        <source>Contrast of text, icons and arrows</source>
        <translation>تباين النصوص والأيقونات والأسهم</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>النص</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>التباين</translation>
    </message>
    <message>
        <source>Needed</source>
        <translation>المطلوب</translation>
    </message>
    <message>
        <source>Fix in</source>
        <translation>الإصلاح في</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>القائمة الرئيسية</translation>
    </message>
    <message>
        <source>Sub-Menu</source>
        <translation>القائمة الفرعية</translation>
    </message>
    <message>
        <source>%1 → %2 tab</source>
        <translation>%1 ← تبويب «%2»</translation>
    </message>
    <message>
        <source>Return or a double click goes there</source>
        <translation>اضغط مفتاح الإدخال (Return) أو انقر نقرًا مزدوجًا للانتقال إلى هناك</translation>
    </message>
    <message>
        <source>on the %1</source>
        <translation>على %1</translation>
    </message>
    <message>
        <source>%1 on the %2</source>
        <translation>%1 على %2</translation>
    </message>
    <message>
        <source>A quarter of what it draws reaches this contrast; icons and arrows need 3 : 1.</source>
        <translation>يبلغ ربعُ الأجزاء المرسومة منه هذا التباين؛ وتحتاج الأيقونات والأسهم إلى 3 : 1.</translation>
    </message>
</context>
<context>
    <name>brindle::CurrentPageView</name>
    <message>
        <source>Current page</source>
        <translation>الصفحة الحالية</translation>
    </message>
    <message>
        <source>As pressed</source>
        <translation>كالمضغوط</translation>
    </message>
    <message>
        <source>As hovered</source>
        <translation>كما عند التمرير</translation>
    </message>
    <message>
        <source>As the others</source>
        <translation>كالبقية</translation>
    </message>
    <message>
        <source>How a Modern menu shows the bar&apos;s item of the page being shown, and the bar&apos;s item above a current sub-item. Your site&apos;s own aria-current=&quot;page&quot; marks work too.</source>
        <translation>كيف تُظهر القائمة الحديثة عنصر الشريط الخاص بالصفحة المعروضة، وعنصر الشريط فوق عنصر فرعي حالي. وتعمل علامات aria-current=&quot;page&quot; الخاصة بموقعك أيضًا.</translation>
    </message>
    <message>
        <source>How a Modern menu shows the drop-down item of the page being shown.</source>
        <translation>كيف تُظهر القائمة الحديثة عنصر القائمة المنسدلة الخاص بالصفحة المعروضة.</translation>
    </message>
    <message>
        <source>current page</source>
        <translation>الصفحة الحالية</translation>
    </message>
    <message>
        <source>Looks</source>
        <translation>المظهر</translation>
    </message>
</context>
<context>
    <name>brindle::DesignGalleryDialog</name>
    <message>
        <source>%1, built-in design</source>
        <translation>%1، تصميم مدمج</translation>
    </message>
    <message>
        <source>%1, your design</source>
        <translation>%1، تصميمك</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>ا&amp;ختيار</translation>
    </message>
    <message>
        <source>Re&amp;name…</source>
        <translation>إعادة ت&amp;سمية…</translation>
    </message>
    <message>
        <source>&amp;Remove…</source>
        <translation>إ&amp;زالة…</translation>
    </message>
    <message>
        <source>&amp;Show this gallery when Brindle starts</source>
        <translation>&amp;عرض هذا المعرض عند بدء Brindle</translation>
    </message>
    <message>
        <source>New from Design</source>
        <translation>جديد من تصميم</translation>
    </message>
    <message>
        <source>Choose a design to start from. You may keep your menu or take the design&apos;s sample menu.</source>
        <translation>اختر تصميمًا لتبدأ منه. يمكنك الإبقاء على قائمتك أو أخذ القائمة النموذجية للتصميم.</translation>
    </message>
    <message>
        <source>Designs</source>
        <translation>التصاميم</translation>
    </message>
    <message>
        <source>Continue with:</source>
        <translation>متابعة العمل على:</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>فتح %1</translation>
    </message>
    <message>
        <source>Rename Design</source>
        <translation>إعادة تسمية التصميم</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>الاسم الجديد:</translation>
    </message>
    <message>
        <source>Design Not Renamed</source>
        <translation>لم تتم إعادة تسمية التصميم</translation>
    </message>
    <message>
        <source>“%1” could not be renamed: %2.</source>
        <translation>تعذّرت إعادة تسمية «%1»: %2.</translation>
    </message>
    <message>
        <source>Remove Design</source>
        <translation>إزالة التصميم</translation>
    </message>
    <message>
        <source>Remove “%1” from the gallery?</source>
        <translation>هل تريد إزالة «%1» من المعرض؟</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>Design Not Removed</source>
        <translation>لم تتم إزالة التصميم</translation>
    </message>
    <message>
        <source>“%1” could not be removed: %2.</source>
        <translation>تعذّرت إزالة «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>brindle::DesignHistory</name>
    <message>
        <source>Menu Change</source>
        <translation>تغيير القائمة</translation>
    </message>
    <message>
        <source>Output Options</source>
        <translation>خيارات الإخراج</translation>
    </message>
    <message>
        <source>Style Change</source>
        <translation>تغيير التنسيق</translation>
    </message>
</context>
<context>
    <name>brindle::Document</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;جديد</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;فتح…</translation>
    </message>
    <message>
        <source>Recover &amp;Unsaved Work…</source>
        <translation>ا&amp;ستعادة العمل غير المحفوظ…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;حفظ</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>حفظ &amp;باسم…</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;تراجع</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>إ&amp;عادة</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;تراجع عن %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>إ&amp;عادة %1</translation>
    </message>
    <message>
        <source>Icons Not Restored</source>
        <translation>لم تتم استعادة الأيقونات</translation>
    </message>
    <message>
        <source>The preview and exports may show other pictures for these icons:
%1</source>
        <translation>قد تعرض المعاينة والملفات المصدَّرة صورًا أخرى لهذه الأيقونات:
%1</translation>
    </message>
    <message>
        <source>Unsaved work is kept for recovery again.</source>
        <translation>يُحتفظ بالعمل غير المحفوظ للاستعادة من جديد.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>بلا عنوان</translation>
    </message>
    <message>
        <source>%1[*] — Brindle</source>
        <translation>%1[*] — Brindle</translation>
    </message>
    <message>
        <source>The design</source>
        <translation>التصميم</translation>
    </message>
    <message>
        <source>The unsaved work</source>
        <translation>العمل غير المحفوظ</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>تغييرات غير محفوظة</translation>
    </message>
    <message>
        <source>Do you want to save the changes to “%1”?</source>
        <translation>هل تريد حفظ التغييرات في «%1»؟</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them.</source>
        <translation>ستفقد تغييراتك إذا لم تحفظها.</translation>
    </message>
    <message>
        <source>Recover Unsaved Work</source>
        <translation>استعادة العمل غير المحفوظ</translation>
    </message>
    <message>
        <source>There is no unsaved work to recover.</source>
        <translation>لا يوجد عمل غير محفوظ لاستعادته.</translation>
    </message>
    <message>
        <source>Recovery Failed</source>
        <translation>فشلت الاستعادة</translation>
    </message>
    <message>
        <source>The unsaved work could not be read (%1); it was set aside as “%2”.</source>
        <translation>تعذّرت قراءة العمل غير المحفوظ (%1)؛ ووُضع جانبًا باسم «%2».</translation>
    </message>
    <message>
        <source>Recovery Copy Not Written</source>
        <translation>لم تُكتب نسخة الاستعادة</translation>
    </message>
    <message>
        <source>The restored work could not be kept in “%1”, so its earlier copy stays there and will be offered again. Save the design to keep it.</source>
        <translation>تعذّر الاحتفاظ بالعمل المستعاد في «%1»، لذا تبقى نسخته السابقة هناك وستُعرض عليك مرة أخرى. احفظ التصميم للاحتفاظ به.</translation>
    </message>
    <message>
        <source>Unsaved work cannot be kept for recovery in %1.</source>
        <translation>لا يمكن الاحتفاظ بالعمل غير المحفوظ للاستعادة في %1.</translation>
    </message>
    <message>
        <source>Brindle could not keep a copy of your unsaved work in “%1”: %2
It keeps trying; save the design to be safe.</source>
        <translation>تعذّر على Brindle الاحتفاظ بنسخة من عملك غير المحفوظ في «%1»: %2
سيواصل المحاولة؛ احفظ التصميم احتياطًا.</translation>
    </message>
</context>
<context>
    <name>brindle::GalleryActions</name>
    <message>
        <source>New from &amp;Design…</source>
        <translation>جديد من &amp;تصميم…</translation>
    </message>
    <message>
        <source>Save Design to &amp;Gallery…</source>
        <translation>حفظ التصميم في ال&amp;معرض…</translation>
    </message>
    <message>
        <source>Keep Your Menu?</source>
        <translation>إبقاء قائمتك؟</translation>
    </message>
    <message>
        <source>Start from “%1” with your menu, or with the design&apos;s sample menu?</source>
        <translation>هل تريد البدء من «%1» بقائمتك، أم بالقائمة النموذجية للتصميم؟</translation>
    </message>
    <message>
        <source>Your menu keeps its items, links, icons and output options; only the look changes.</source>
        <translation>تحتفظ قائمتك بعناصرها وروابطها وأيقوناتها وخيارات الإخراج؛ ويتغير المظهر فقط.</translation>
    </message>
    <message>
        <source>&amp;Keep My Menu</source>
        <translation>إ&amp;بقاء قائمتي</translation>
    </message>
    <message>
        <source>Use &amp;Sample Menu</source>
        <translation>القائمة ال&amp;نموذجية</translation>
    </message>
    <message>
        <source>Save Design to Gallery</source>
        <translation>حفظ التصميم في المعرض</translation>
    </message>
    <message>
        <source>Name of the design:</source>
        <translation>اسم التصميم:</translation>
    </message>
    <message>
        <source>Design Not Saved</source>
        <translation>لم يُحفظ التصميم</translation>
    </message>
    <message>
        <source>The design was not saved: %1.</source>
        <translation>لم يُحفظ التصميم: %1.</translation>
    </message>
    <message>
        <source>Replace Design?</source>
        <translation>استبدال التصميم؟</translation>
    </message>
    <message>
        <source>A design called “%1” is in the gallery. Replace it?</source>
        <translation>يوجد في المعرض تصميم باسم «%1». هل تريد استبداله؟</translation>
    </message>
    <message>
        <source>Saved “%1” to the gallery</source>
        <translation>تم حفظ «%1» في المعرض</translation>
    </message>
</context>
<context>
    <name>brindle::GradientPanel</name>
    <message>
        <source>Start</source>
        <translation>البداية</translation>
    </message>
    <message>
        <source>start</source>
        <translation>البداية</translation>
    </message>
    <message>
        <source>Stop 1</source>
        <translation>نقطة 1</translation>
    </message>
    <message>
        <source>stop 1</source>
        <translation>النقطة 1</translation>
    </message>
    <message>
        <source>Stop 2</source>
        <translation>نقطة 2</translation>
    </message>
    <message>
        <source>stop 2</source>
        <translation>النقطة 2</translation>
    </message>
    <message>
        <source>Stop 3</source>
        <translation>نقطة 3</translation>
    </message>
    <message>
        <source>stop 3</source>
        <translation>النقطة 3</translation>
    </message>
    <message>
        <source>End</source>
        <translation>النهاية</translation>
    </message>
    <message>
        <source>end</source>
        <translation>النهاية</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>الخلفية</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>اللون</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>الموضع</translation>
    </message>
    <message>
        <source>%1 colour</source>
        <translation>لون %1</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>%1 position</source>
        <translation>موضع %1</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>العتامة</translation>
    </message>
    <message>
        <source>opacity</source>
        <translation>العتامة</translation>
    </message>
</context>
<context>
    <name>brindle::LeftWorkDialog</name>
    <message>
        <source>Recover Unsaved Work</source>
        <translation>استعادة العمل غير المحفوظ</translation>
    </message>
    <message>
        <source>Brindle ended without saving these designs. Restore one to continue where you left off; the others are kept for later.</source>
        <translation>أُغلق Brindle دون حفظ هذه التصاميم. استعد أحدها لتتابع من حيث توقفت؛ ويُحتفظ بالباقي لوقت لاحق.</translation>
    </message>
    <message>
        <source>Unsaved designs</source>
        <translation>تصاميم غير محفوظة</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>ا&amp;ستعادة</translation>
    </message>
    <message>
        <source>&amp;Discard…</source>
        <translation>&amp;تجاهل…</translation>
    </message>
    <message>
        <source>&amp;Keep for Later</source>
        <translation>الا&amp;حتفاظ لوقت لاحق</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>بلا عنوان</translation>
    </message>
    <message>
        <source>%1
kept %2 — cannot be read</source>
        <translation>%1
حُفظ في %2 — تتعذّر قراءته</translation>
    </message>
    <message>
        <source>1 item</source>
        <translation>عنصر واحد</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 من العناصر</translation>
    </message>
    <message>
        <source>%1
kept %2 — %3: %4</source>
        <translation>%1
حُفظ في %2 — %3: %4</translation>
    </message>
    <message>
        <source>Discard Unsaved Work</source>
        <translation>تجاهل العمل غير المحفوظ</translation>
    </message>
    <message>
        <source>Discard the unsaved work “%1”?</source>
        <translation>هل تريد تجاهل العمل غير المحفوظ «%1»؟</translation>
    </message>
    <message>
        <source>It cannot be brought back.</source>
        <translation>لا يمكن استرجاعه بعد ذلك.</translation>
    </message>
</context>
<context>
    <name>brindle::MainWindow</name>
    <message>
        <source>Modes</source>
        <translation>الأوضاع</translation>
    </message>
    <message>
        <source>Menu preview</source>
        <translation>معاينة القائمة</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>المشاريع الأ&amp;خيرة</translation>
    </message>
    <message>
        <source>Export &amp;HTML…</source>
        <translation>تصدير &amp;HTML…</translation>
    </message>
    <message>
        <source>Export &amp;CSS…</source>
        <translation>تصدير &amp;CSS…</translation>
    </message>
    <message>
        <source>Export &amp;All…</source>
        <translation>تصدير ال&amp;كل…</translation>
    </message>
    <message>
        <source>Export Sn&amp;ippet…</source>
        <translation>تصدير م&amp;قتطف…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>إ&amp;نهاء</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;عرض</translation>
    </message>
    <message>
        <source>Open in &amp;Browser</source>
        <translation>فتح في المت&amp;صفح</translation>
    </message>
    <message>
        <source>The preview is not ready yet.</source>
        <translation>المعاينة ليست جاهزة بعد.</translation>
    </message>
    <message>
        <source>Check &amp;Contrast…</source>
        <translation>ف&amp;حص التباين…</translation>
    </message>
    <message>
        <source>Open Check Contrast</source>
        <translation>فتح «فحص التباين»</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;تحرير</translation>
    </message>
    <message>
        <source>Copy &amp;HTML</source>
        <translation>نسخ &amp;HTML</translation>
    </message>
    <message>
        <source>Copy C&amp;SS</source>
        <translation>نسخ C&amp;SS</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>تع&amp;ليمات</translation>
    </message>
    <message>
        <source>Brindle &amp;Home Page</source>
        <translation>ال&amp;صفحة الرئيسية لـ Brindle</translation>
    </message>
    <message>
        <source>&amp;Related Applications…</source>
        <translation>&amp;تطبيقات ذات صلة…</translation>
    </message>
    <message>
        <source>&amp;About Brindle</source>
        <translation>&amp;حول Brindle</translation>
    </message>
    <message>
        <source>The preview folder could not be created in %1; the preview stays empty.</source>
        <translation>تعذّر إنشاء مجلد المعاينة في %1؛ وستبقى المعاينة فارغة.</translation>
    </message>
    <message>
        <source>1 text colour hard to read</source>
        <translation>لون نص واحد صعب القراءة</translation>
    </message>
    <message>
        <source>%1 text colours hard to read</source>
        <translation>%1 من ألوان النص صعبة القراءة</translation>
    </message>
    <message>
        <source>1 icon or arrow hard to see</source>
        <translation>أيقونة أو سهم واحد صعب الرؤية</translation>
    </message>
    <message>
        <source>%1 icons or arrows hard to see</source>
        <translation>%1 من الأيقونات أو الأسهم صعبة الرؤية</translation>
    </message>
</context>
<context>
    <name>brindle::MenuImportActions</name>
    <message>
        <source>Import &amp;Menu…</source>
        <translation>ا&amp;ستيراد قائمة…</translation>
    </message>
    <message>
        <source>Take the menu of a site&apos;s page, sitemap or outline; the style stays</source>
        <translation>أخذ القائمة من صفحة الموقع أو خريطته أو مخطط تفصيلي؛ ويبقى النمط كما هو</translation>
    </message>
    <message>
        <source>Menu Not Imported</source>
        <translation>لم تُستورد القائمة</translation>
    </message>
    <message>
        <source>No menu could be taken from “%1”: %2</source>
        <translation>تعذر أخذ قائمة من «%1»: %2</translation>
    </message>
    <message>
        <source>Import Menu</source>
        <translation>استيراد قائمة</translation>
    </message>
    <message>
        <source>The menu of “%1” was imported; Undo brings the previous one back.</source>
        <translation>استُوردت قائمة «%1»؛ والتراجع يعيد القائمة السابقة.</translation>
    </message>
    <message>
        <source>Menu Imported</source>
        <translation>استُوردت القائمة</translation>
    </message>
    <message>
        <source>The menu of “%1” was imported. Not all of it could be taken as it was:

%2</source>
        <translation>استُوردت قائمة «%1». تعذر أخذ بعضها كما هو:

%2</translation>
    </message>
</context>
<context>
    <name>brindle::MenuItemForm</name>
    <message>
        <source>Icon &amp;follows the text colour</source>
        <translation>الأيقونة &amp;تتبع لون النص</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>إنشاء</translation>
    </message>
    <message>
        <source>Space between the icon and the title</source>
        <translation>المسافة بين الأيقونة والعنوان</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>ال&amp;عنوان:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>ال&amp;نوع:</translation>
    </message>
    <message>
        <source>&amp;Link:</source>
        <translation>ال&amp;رابط:</translation>
    </message>
    <message>
        <source>&amp;Icon:</source>
        <translation>الأ&amp;يقونة:</translation>
    </message>
    <message>
        <source>Icon (&amp;2×):</source>
        <translation>الأيقونة (&amp;2×):</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>Icon &amp;gap:</source>
        <translation>&amp;مسافة الأيقونة:</translation>
    </message>
    <message>
        <source>Icon gap</source>
        <translation>مسافة الأيقونة</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إ&amp;لغاء</translation>
    </message>
    <message>
        <source>None</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>اختيار…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>Choose %1 file</source>
        <translation>اختيار ملف %1</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>مسح %1</translation>
    </message>
    <message>
        <source>C&amp;reate</source>
        <translation>إن&amp;شاء</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;حفظ</translation>
    </message>
    <message>
        <source>Choose Icon</source>
        <translation>اختيار أيقونة</translation>
    </message>
    <message>
        <source>Choose Double-Resolution Icon</source>
        <translation>اختيار أيقونة مضاعفة الدقة</translation>
    </message>
    <message>
        <source>Icons (*.svg *.svgz *.png *.jpeg *.jpg *.gif *.SVG *.SVGZ *.PNG *.JPEG *.JPG *.GIF)</source>
        <translation>الأيقونات (*.svg *.svgz *.png *.jpeg *.jpg *.gif *.SVG *.SVGZ *.PNG *.JPEG *.JPG *.GIF)</translation>
    </message>
    <message>
        <source>SVG icons (*.svg *.svgz *.SVG *.SVGZ)</source>
        <translation>أيقونات SVG (*.svg *.svgz *.SVG *.SVGZ)</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpeg *.jpg *.gif *.PNG *.JPEG *.JPG *.GIF)</source>
        <translation>الصور (*.png *.jpeg *.jpg *.gif *.PNG *.JPEG *.JPG *.GIF)</translation>
    </message>
    <message>
        <source>An SVG icon is sharp at every size: it needs no double-resolution file.</source>
        <translation>أيقونة SVG واضحة بكل الأحجام: فلا تحتاج إلى ملف مضاعف الدقة.</translation>
    </message>
    <message>
        <source>The icon&apos;s black parts take the colour of the item&apos;s text, also on hover and while pressed (an SVG icon only)</source>
        <translation>تأخذ الأجزاء السوداء من الأيقونة لون نص العنصر، وكذلك عند التمرير وأثناء الضغط (لأيقونات SVG فقط)</translation>
    </message>
    <message>
        <source>Classic pages show the icon&apos;s pictures, which keep their colours: choose the Modern output style for an icon in the text&apos;s colour</source>
        <translation>تعرض الصفحات الكلاسيكية صور الأيقونة بألوانها الأصلية: اختر نمط الإخراج «حديث» لتأخذ الأيقونة لون النص</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>القائمة الرئيسية</translation>
    </message>
    <message>
        <source>Sub Menu</source>
        <translation>القائمة الفرعية</translation>
    </message>
    <message>
        <source>Third Level</source>
        <translation>المستوى الثالث</translation>
    </message>
</context>
<context>
    <name>brindle::MenuStructureView</name>
    <message>
        <source>Add a menu item</source>
        <translation>إضافة عنصر قائمة</translation>
    </message>
    <message>
        <source>Remove the selected item</source>
        <translation>إزالة العنصر المحدد</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>تحرير…</translation>
    </message>
    <message>
        <source>Edit the selected item</source>
        <translation>تحرير العنصر المحدد</translation>
    </message>
    <message>
        <source>Menu items</source>
        <translation>عناصر القائمة</translation>
    </message>
    <message>
        <source>“%1”: %2</source>
        <translation>«%1»: %2</translation>
    </message>
    <message>
        <source>“%1” was cleaned for the web: left out %2.</source>
        <translation>نُظِّف «%1» للويب: حُذف منه %2.</translation>
    </message>
    <message>
        <source>The icon is kept as %1: another picture is already called %2.</source>
        <translation>حُفظت الأيقونة باسم %1: توجد صورة أخرى باسم %2 بالفعل.</translation>
    </message>
    <message>
        <source>Icon Not Used</source>
        <translation>لم تُستخدم الأيقونة</translation>
    </message>
    <message>
        <source>An icon could not be used.</source>
        <translation>تعذّر استخدام أيقونة.</translation>
    </message>
    <message>
        <source>Two icons could not be used.</source>
        <translation>تعذّر استخدام أيقونتين.</translation>
    </message>
    <message>
        <source>The item keeps the icon it had before.</source>
        <translation>يحتفظ العنصر بالأيقونة التي كانت له من قبل.</translation>
    </message>
    <message>
        <source>Delete Menu</source>
        <translation>حذف القائمة</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;حذف</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot; and all of its sub menus?</source>
        <translation>هل أنت متأكد من أنك تريد حذف «%1» وكل قوائمه الفرعية؟</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>brindle::MenuTreeModel</name>
    <message>
        <source>Rename Item</source>
        <translation>إعادة تسمية العنصر</translation>
    </message>
    <message>
        <source>Move Item</source>
        <translation>نقل العنصر</translation>
    </message>
    <message>
        <source>Add Item</source>
        <translation>إضافة عنصر</translation>
    </message>
    <message>
        <source>Delete “%1”</source>
        <translation>حذف «%1»</translation>
    </message>
    <message>
        <source>Edit Item</source>
        <translation>تحرير العنصر</translation>
    </message>
</context>
<context>
    <name>brindle::OutputView</name>
    <message>
        <source>Output</source>
        <translation>الإخراج</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>كلاسيكي</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>حديث</translation>
    </message>
    <message>
        <source>Classic: the original page, opened by mouse hover.
Modern: standard CSS in a navigation landmark, usable with the keyboard, on touch screens and on phones.</source>
        <translation>كلاسيكي: الصفحة الأصلية، وتُفتح قوائمها بتمرير الفأرة.
حديث: CSS قياسي داخل مَعلم تنقّل، يمكن استخدامه بلوحة المفاتيح وعلى الشاشات اللمسية والهواتف.</translation>
    </message>
    <message>
        <source>The name screen readers give the navigation landmark</source>
        <translation>الاسم الذي تُطلقه قارئات الشاشة على مَعلم التنقّل</translation>
    </message>
    <message>
        <source>Narrower screens show the menu as a vertical list behind a “Menu” button</source>
        <translation>تعرض الشاشات الأضيق من هذا العرض القائمة على هيئة قائمة عمودية خلف زر «Menu»</translation>
    </message>
    <message>
        <source>Every class and id of the Modern page and of the snippet starts with it, so the menu keeps to itself in your site: letters, digits, “-” and “_”, beginning with a letter</source>
        <translation>تبدأ به كل فئة وكل معرّف (id) في الصفحة الحديثة وفي المقتطف، فلا تتداخل القائمة مع بقية موقعك: حروف وأرقام و«-» و«_»، ويبدأ بحرف</translation>
    </message>
    <message>
        <source>style</source>
        <translation>النمط</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>النمط</translation>
    </message>
    <message>
        <source>menu name</source>
        <translation>اسم القائمة</translation>
    </message>
    <message>
        <source>Menu name</source>
        <translation>اسم القائمة</translation>
    </message>
    <message>
        <source>phone layout below</source>
        <translation>تخطيط الهاتف دون</translation>
    </message>
    <message>
        <source>Phone below</source>
        <translation>الهاتف دون</translation>
    </message>
    <message>
        <source>class name</source>
        <translation>اسم الفئة</translation>
    </message>
    <message>
        <source>Class name</source>
        <translation>اسم الفئة</translation>
    </message>
    <message>
        <source>A class name holds letters, digits, “-” and “_” only: “site-nav”, not “site nav”</source>
        <translation>لا يحتوي اسم الفئة إلا على حروف وأرقام و«-» و«_»: «site-nav» وليس «site nav»</translation>
    </message>
    <message>
        <source>The class name cannot be empty; it stays “%1”</source>
        <translation>لا يمكن أن يكون اسم الفئة فارغًا؛ ويبقى «%1»</translation>
    </message>
    <message>
        <source>“%1” is not a class name: it must begin with a letter; it stays “%2”</source>
        <translation>«%1» ليس اسم فئة صالحًا: يجب أن يبدأ بحرف؛ ويبقى «%2»</translation>
    </message>
    <message>
        <source>From the page</source>
        <translation>حسب الصفحة</translation>
    </message>
    <message>
        <source>Left to right</source>
        <translation>من اليسار إلى اليمين</translation>
    </message>
    <message>
        <source>Right to left</source>
        <translation>من اليمين إلى اليسار</translation>
    </message>
    <message>
        <source>From the page: the menu reads as the page around it does, right to left on an Arabic or Hebrew page. The other two fix the direction on the menu itself.</source>
        <translation>حسب الصفحة: تُقرأ القائمة كما تُقرأ الصفحة المحيطة بها، أي من اليمين إلى اليسار في صفحة عربية أو عبرية. أما الخياران الآخران فيثبّتان الاتجاه على القائمة نفسها.</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>الاتجاه</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>الاتجاه</translation>
    </message>
    <message>
        <source>Classic pages show two levels: the menu’s third level stays in the design but is not on the page.</source>
        <translation>تعرض الصفحات الكلاسيكية مستويين: يبقى المستوى الثالث من القائمة في التصميم لكنه لا يظهر في الصفحة.</translation>
    </message>
</context>
<context>
    <name>brindle::PreviewArea</name>
    <message>
        <source>&amp;Desktop Width</source>
        <translation>عرض سطح ال&amp;مكتب</translation>
    </message>
    <message>
        <source>&amp;Tablet Width (768 px)</source>
        <translation>عرض الجهاز ال&amp;لوحي (768 px)</translation>
    </message>
    <message>
        <source>&amp;Phone Width (375 px)</source>
        <translation>عرض ال&amp;هاتف (375 px)</translation>
    </message>
    <message>
        <source>Preview width</source>
        <translation>عرض المعاينة</translation>
    </message>
</context>
<context>
    <name>brindle::ProjectActions</name>
    <message>
        <source>Save Failed</source>
        <translation>فشل الحفظ</translation>
    </message>
    <message>
        <source>The project could not be saved to “%1”: %2</source>
        <translation>تعذّر حفظ المشروع في «%1»: %2</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>تم حفظ %1</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>فشل الفتح</translation>
    </message>
    <message>
        <source>The project “%1” could not be opened: %2</source>
        <translation>تعذّر فتح المشروع «%1»: %2</translation>
    </message>
    <message>
        <source>Design Not Used</source>
        <translation>لم يُستخدم التصميم</translation>
    </message>
    <message>
        <source>The design could not be used: %1</source>
        <translation>تعذّر استخدام التصميم: %1</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>تم فتح %1</translation>
    </message>
    <message>
        <source>Opened %1; one icon is kept under a new name</source>
        <translation>تم فتح %1؛ وحُفظت أيقونة واحدة باسم جديد</translation>
    </message>
    <message>
        <source>Opened %1; %2 icons are kept under new names</source>
        <translation>تم فتح %1؛ وحُفظ %2 من الأيقونات بأسماء جديدة</translation>
    </message>
    <message>
        <source>Opened %1 without one of its icons</source>
        <translation>تم فتح %1 دون إحدى أيقوناته</translation>
    </message>
    <message>
        <source>Opened %1 without %2 of its icons</source>
        <translation>تم فتح %1 دون %2 من أيقوناته</translation>
    </message>
    <message>
        <source>Items Without Titles</source>
        <translation>عناصر بلا عناوين</translation>
    </message>
    <message>
        <source>%1 was opened, but one item has no title: its link says nothing to visitors.</source>
        <translation>تم فتح %1، لكن أحد العناصر بلا عنوان: فرابطه لا يقول شيئًا للزوار.</translation>
    </message>
    <message>
        <source>%1 was opened, but %2 items have no title: their links say nothing to visitors.</source>
        <translation>تم فتح %1، لكن %2 من العناصر بلا عنوان: فروابطها لا تقول شيئًا للزوار.</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 أخرى</translation>
    </message>
    <message>
        <source>Give a title to %1.</source>
        <translation>أضف عنوانًا إلى %1.</translation>
    </message>
    <message>
        <source>Icons Left Out</source>
        <translation>أيقونات مستبعدة</translation>
    </message>
    <message>
        <source>%1 was opened, but one icon could not be used.</source>
        <translation>تم فتح %1، لكن تعذّر استخدام أيقونة واحدة.</translation>
    </message>
    <message>
        <source>%1 was opened, but %2 icons could not be used.</source>
        <translation>تم فتح %1، لكن تعذّر استخدام %2 من الأيقونات.</translation>
    </message>
    <message>
        <source>… and %1 more.</source>
        <translation>… و%1 أخرى.</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>فشل التصدير</translation>
    </message>
    <message>
        <source>The page could not be written to “%1”: %2</source>
        <translation>تعذّرت كتابة الصفحة في «%1»: %2</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>تم تصدير %1</translation>
    </message>
    <message>
        <source>The stylesheet could not be written to “%1”: %2</source>
        <translation>تعذّرت كتابة ورقة الأنماط في «%1»: %2</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>تم التصدير إلى %1</translation>
    </message>
    <message>
        <source>Not every file could be exported to “%1”:
%2</source>
        <translation>تعذّر تصدير بعض الملفات إلى «%1»:
%2</translation>
    </message>
    <message>
        <source>Exported the menu to %1; %2 says what goes into your page</source>
        <translation>تم تصدير القائمة إلى %1؛ ويوضح %2 ما يجب إضافته إلى صفحتك</translation>
    </message>
    <message>
        <source>Replace Files?</source>
        <translation>استبدال الملفات؟</translation>
    </message>
    <message>
        <source>“%1” already holds files of these names. Replace them with the menu’s?</source>
        <translation>يحتوي «%1» بالفعل على ملفات بهذه الأسماء. هل تريد استبدالها بملفات القائمة؟</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>ا&amp;ستبدال</translation>
    </message>
    <message>
        <source>Copied the menu&apos;s HTML; the comment at its top says what else your page needs</source>
        <translation>تم نسخ HTML القائمة؛ ويوضح التعليق في أعلاه ما تحتاجه صفحتك أيضًا</translation>
    </message>
    <message>
        <source>Copied the menu&apos;s CSS</source>
        <translation>تم نسخ CSS القائمة</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>حفظ المشروع</translation>
    </message>
    <message>
        <source>“%1” already exists. Do you want to replace it?</source>
        <translation>«%1» موجود بالفعل. هل تريد استبداله؟</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>فتح مشروع</translation>
    </message>
    <message>
        <source>Export HTML</source>
        <translation>تصدير HTML</translation>
    </message>
    <message>
        <source>Export CSS</source>
        <translation>تصدير CSS</translation>
    </message>
    <message>
        <source>Export All Files</source>
        <translation>تصدير كل الملفات</translation>
    </message>
    <message>
        <source>Export Snippet</source>
        <translation>تصدير المقتطف</translation>
    </message>
    <message>
        <source>Brindle projects (*.brindleprj)</source>
        <translation>مشاريع Brindle (*.brindleprj)</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>Import Menu</source>
        <translation>استيراد قائمة</translation>
    </message>
    <message>
        <source>Pages, sitemaps and outlines (*.html *.htm *.xhtml *.xml *.md *.markdown *.txt);;All files (*)</source>
        <translation>صفحات وخرائط مواقع ومخططات (*.html *.htm *.xhtml *.xml *.md *.markdown *.txt);;كل الملفات (*)</translation>
    </message>
</context>
<context>
    <name>brindle::QuickBackgroundPanel</name>
    <message>
        <source>Background (Normal)</source>
        <translation>الخلفية (عادي)</translation>
    </message>
    <message>
        <source>Background (Hover)</source>
        <translation>الخلفية (تمرير)</translation>
    </message>
    <message>
        <source>Background (Active)</source>
        <translation>الخلفية (نشط)</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>القائمة الرئيسية</translation>
    </message>
    <message>
        <source>Sub-menu</source>
        <translation>القائمة الفرعية</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>اللون</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>النص</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>العتامة</translation>
    </message>
    <message>
        <source>background colour</source>
        <translation>لون الخلفية</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>text brightness</source>
        <translation>سطوع النص</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>التباين</translation>
    </message>
    <message>
        <source>opacity</source>
        <translation>العتامة</translation>
    </message>
    <message>
        <source>No brightness of this text colour reads on its background: choose another background colour</source>
        <translation>لا توجد درجة سطوع لهذا اللون تجعل النص مقروءًا على خلفيته: اختر لون خلفية آخر</translation>
    </message>
    <message>
        <source>Text at %1 % would not read on its background; %2 % is the nearest that does</source>
        <translation>لن يكون النص بسطوع %1 % مقروءًا على خلفيته؛ وأقرب قيمة مقروءة هي %2 %</translation>
    </message>
</context>
<context>
    <name>brindle::QuickModeGeneralView</name>
    <message>
        <source>Square</source>
        <translation>مربعة</translation>
    </message>
    <message>
        <source>Rounded</source>
        <translation>مدوّرة</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>دائرية</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>الشكل</translation>
    </message>
    <message>
        <source>corner shape</source>
        <translation>شكل الزوايا</translation>
    </message>
    <message>
        <source>Corners</source>
        <translation>الزوايا</translation>
    </message>
</context>
<context>
    <name>brindle::QuickModeView</name>
    <message>
        <source>menu colour</source>
        <translation>لون القائمة</translation>
    </message>
    <message>
        <source>Menu colour</source>
        <translation>لون القائمة</translation>
    </message>
    <message>
        <source>No text colour of this hue reads on the %1 background: choose another menu colour, or set the text in the Main Menu mode</source>
        <translation>لا يوجد لون نص من هذه الصبغة مقروء على خلفية %1: اختر لون قائمة آخر، أو اضبط النص في وضع «القائمة الرئيسية»</translation>
    </message>
    <message>
        <source> and </source>
        <translation> و</translation>
    </message>
    <message>
        <source>hover</source>
        <translation>حالة التمرير</translation>
    </message>
    <message>
        <source>active</source>
        <translation>الحالة النشطة</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>الحالة العادية</translation>
    </message>
</context>
<context>
    <name>brindle::RecentMenuController</name>
    <message>
        <source>Project Not Found</source>
        <translation>المشروع غير موجود</translation>
    </message>
    <message>
        <source>The project “%1” can no longer be found. It was moved or deleted, and has been removed from the recent projects.</source>
        <translation>لم يعد العثور على المشروع «%1» ممكنًا. فقد نُقل أو حُذف، وأُزيل من المشاريع الأخيرة.</translation>
    </message>
</context>
<context>
    <name>brindle::RecoveryFile</name>
    <message>
        <source>The folder “%1” cannot be made.</source>
        <translation>لا يمكن إنشاء المجلد «%1».</translation>
    </message>
    <message>
        <source>The recovery file is in use.</source>
        <translation>ملف الاستعادة قيد الاستخدام.</translation>
    </message>
</context>
<context>
    <name>brindle::RelatedAppsSheet</name>
    <message>
        <source>Related Applications</source>
        <translation>تطبيقات ذات صلة</translation>
    </message>
    <message>
        <source>A fast editor for HTML, CSS and JavaScript, with snippets and syntax highlighting.</source>
        <translation>محرر سريع لـ HTML وCSS وJavaScript، مع مقتطفات وتمييز لبناء الجملة.</translation>
    </message>
    <message>
        <source>A light editor for web pages and code, with a symbol list and build commands.</source>
        <translation>محرر خفيف لصفحات الويب والشيفرة، مع قائمة بالرموز وأوامر للبناء.</translation>
    </message>
    <message>
        <source>A browser with tools for inspecting layouts, styles and scripts.</source>
        <translation>متصفح مزوّد بأدوات لفحص التخطيطات والأنماط والبرامج النصية.</translation>
    </message>
    <message>
        <source>Edits photos and draws bitmap images such as menu icons.</source>
        <translation>يحرّر الصور الفوتوغرافية ويرسم الصور النقطية مثل أيقونات القوائم.</translation>
    </message>
    <message>
        <source>Draws scalable vector graphics for icons and logos.</source>
        <translation>يرسم رسومًا متجهية قابلة للتحجيم للأيقونات والشعارات.</translation>
    </message>
    <message>
        <source>Uploads a finished site to a web server over FTP and SFTP.</source>
        <translation>يرفع الموقع المكتمل إلى خادم ويب عبر FTP وSFTP.</translation>
    </message>
    <message>
        <source>Picks colours from anywhere on the screen and keeps palettes.</source>
        <translation>يلتقط الألوان من أي مكان على الشاشة ويحفظ لوحات الألوان.</translation>
    </message>
</context>
<context>
    <name>brindle::SeparatorView</name>
    <message>
        <source>Separator</source>
        <translation>الفاصل</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>إظهار</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>إخفاء</translation>
    </message>
    <message>
        <source>lines between items</source>
        <translation>الخطوط بين العناصر</translation>
    </message>
    <message>
        <source>Lines between items</source>
        <translation>خطوط بين العناصر</translation>
    </message>
</context>
<context>
    <name>brindle::ShadowPanel</name>
    <message>
        <source>Drop Shadow</source>
        <translation>ظل خارجي</translation>
    </message>
    <message>
        <source>Inner Shadow</source>
        <translation>ظل داخلي</translation>
    </message>
    <message>
        <source>Text Shadow 1</source>
        <translation>ظل النص 1</translation>
    </message>
    <message>
        <source>Text Shadow 2</source>
        <translation>ظل النص 2</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>اللون</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>اللون</translation>
    </message>
    <message>
        <source>opacity</source>
        <translation>العتامة</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>العتامة</translation>
    </message>
    <message>
        <source>X offset</source>
        <translation>إزاحة X</translation>
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
        <translation>إزاحة Y</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
</context>
<context>
    <name>brindle::ShapePanel</name>
    <message>
        <source>Menu bar</source>
        <translation>شريط القائمة،</translation>
    </message>
    <message>
        <source>Sub-menu</source>
        <translation>القائمة الفرعية،</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>الشكل</translation>
    </message>
    <message>
        <source>corner radius</source>
        <translation>نصف قطر الزوايا</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>نصف القطر</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>border size</source>
        <translation>سُمك الحدود</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>الحدود</translation>
    </message>
    <message>
        <source>border colour</source>
        <translation>لون الحدود</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>اللون</translation>
    </message>
    <message>
        <source>width</source>
        <translation>العرض</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>العرض</translation>
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
        <translation>ربط الحشو الأيسر والأيمن معًا</translation>
    </message>
    <message>
        <source>Unlock left and right padding</source>
        <translation>فك ربط الحشو الأيسر والأيمن</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>يسار</translation>
    </message>
    <message>
        <source>left padding</source>
        <translation>الحشو الأيسر</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>يمين</translation>
    </message>
    <message>
        <source>right padding</source>
        <translation>الحشو الأيمن</translation>
    </message>
    <message>
        <source>Lock top and bottom padding together</source>
        <translation>ربط الحشو العلوي والسفلي معًا</translation>
    </message>
    <message>
        <source>Unlock top and bottom padding</source>
        <translation>فك ربط الحشو العلوي والسفلي</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>أعلى</translation>
    </message>
    <message>
        <source>top padding</source>
        <translation>الحشو العلوي</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>أسفل</translation>
    </message>
    <message>
        <source>bottom padding</source>
        <translation>الحشو السفلي</translation>
    </message>
    <message>
        <source>Padding</source>
        <translation>الحشو</translation>
    </message>
    <message>
        <source>While closed, Left and Right move together</source>
        <translation>ما دام القفل مغلقًا، يتغيّر «يسار» و«يمين» معًا</translation>
    </message>
    <message>
        <source>While closed, Top and Bottom move together</source>
        <translation>ما دام القفل مغلقًا، يتغيّر «أعلى» و«أسفل» معًا</translation>
    </message>
    <message>
        <source>Preview in Firefox</source>
        <translation>معاينة في Firefox</translation>
    </message>
    <message>
        <source>Firefox was not found on this computer.</source>
        <translation>لم يُعثر على Firefox على هذا الحاسوب.</translation>
    </message>
    <message>
        <source>The preview is not ready yet.</source>
        <translation>المعاينة ليست جاهزة بعد.</translation>
    </message>
    <message>
        <source>Firefox could not be started.</source>
        <translation>تعذّر تشغيل Firefox.</translation>
    </message>
    <message>
        <source>Firefox (%1) could not be started.</source>
        <translation>تعذّر تشغيل Firefox (%1).</translation>
    </message>
</context>
<context>
    <name>brindle::SourceCodeArea</name>
    <message>
        <source>Stylesheet source</source>
        <translation>مصدر ورقة الأنماط</translation>
    </message>
    <message>
        <source>HTML source</source>
        <translation>مصدر HTML</translation>
    </message>
</context>
<context>
    <name>brindle::TextColorPanel</name>
    <message>
        <source>colour</source>
        <translation>اللون</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>اللون</translation>
    </message>
</context>
<context>
    <name>brindle::TextView</name>
    <message>
        <source>Main Menu Text</source>
        <translation>نص القائمة الرئيسية</translation>
    </message>
    <message>
        <source>font</source>
        <translation>الخط</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>الخط</translation>
    </message>
    <message>
        <source>size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>اللون</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>اللون</translation>
    </message>
    <message>
        <source>Sub Menu Text</source>
        <translation>نص القائمة الفرعية</translation>
    </message>
</context>
<context>
    <name>brindle::WorkspaceModes</name>
    <message>
        <source>&amp;Menu Structure</source>
        <translation>&amp;بنية القائمة</translation>
    </message>
    <message>
        <source>Edit the menu items, their links and icons</source>
        <translation>تحرير عناصر القائمة وروابطها وأيقوناتها</translation>
    </message>
    <message>
        <source>&amp;Quick Mode</source>
        <translation>الوضع ال&amp;سريع</translation>
    </message>
    <message>
        <source>Style the whole menu from a few colours</source>
        <translation>تنسيق القائمة كلها من بضعة ألوان</translation>
    </message>
    <message>
        <source>Ma&amp;in Menu</source>
        <translation>القائمة ال&amp;رئيسية</translation>
    </message>
    <message>
        <source>Style the menu bar: normal, hover and active</source>
        <translation>تنسيق شريط القائمة في حالاته: عادي، تمرير، نشط</translation>
    </message>
    <message>
        <source>&amp;Sub-Menu</source>
        <translation>القائمة ال&amp;فرعية</translation>
    </message>
    <message>
        <source>Style the drop-down lists: normal, hover and active</source>
        <translation>تنسيق القوائم المنسدلة في حالاتها: عادي، تمرير، نشط</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
</TS>
