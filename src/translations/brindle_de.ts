<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AccessibleWidgets</name>
    <message>
        <source>%1, %2% opaque</source>
        <translation>%1, %2 % deckend</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>AppInfo</name>
    <message>
        <source>Copyright © 2026 The Brindle developers</source>
        <translation>Copyright © 2026 Die Brindle-Entwickler</translation>
    </message>
    <message>
        <source>Released under the MIT License.</source>
        <translation>Veröffentlicht unter der MIT-Lizenz.</translation>
    </message>
</context>
<context>
    <name>Contrast</name>
    <message>
        <source>hover background</source>
        <translation>Hover-Hintergrund</translation>
    </message>
    <message>
        <source>active background</source>
        <translation>Aktiv-Hintergrund</translation>
    </message>
    <message>
        <source>background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>end</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>stop %1</source>
        <translation>Stopp %1</translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <translation>%1 über dem %2</translation>
    </message>
    <message>
        <source>icon of “%1”</source>
        <translation>Symbol von „%1“</translation>
    </message>
    <message>
        <source>drop-down arrow</source>
        <translation>Aufklapp-Pfeil</translation>
    </message>
</context>
<context>
    <name>DesignApplier</name>
    <message>
        <source>The icon %1 of %2 %3</source>
        <translation>Das Symbol %1 von %2 %3</translation>
    </message>
    <message>
        <source>was left out: there is no preview folder.</source>
        <translation>wurde ausgelassen: Es gibt keinen Vorschauordner.</translation>
    </message>
    <message>
        <source>cannot be decoded and was left out.</source>
        <translation>kann nicht dekodiert werden und wurde ausgelassen.</translation>
    </message>
    <message>
        <source>cannot be encoded and was left out.</source>
        <translation>kann nicht kodiert werden und wurde ausgelassen.</translation>
    </message>
    <message>
        <source>cannot be written to the preview folder (%1) and was left out.</source>
        <translation>kann nicht in den Vorschauordner geschrieben werden (%1) und wurde ausgelassen.</translation>
    </message>
    <message>
        <source>The icon %1 of %2 is kept as %3: another picture has its name.</source>
        <translation>Das Symbol %1 von %2 wird als %3 abgelegt: Ein anderes Bild hat bereits diesen Namen.</translation>
    </message>
    <message>
        <source>The SVG icon %1 of %2 cannot be written to the preview folder (%3); its pictures stand for it.</source>
        <translation>Das SVG-Symbol %1 von %2 kann nicht in den Vorschauordner geschrieben werden (%3); stattdessen werden seine Bilder verwendet.</translation>
    </message>
    <message>
        <source>item %1 of the bar</source>
        <translation>Menüpunkt %1 der Menüleiste</translation>
    </message>
    <message>
        <source>item %1 under %2</source>
        <translation>Menüpunkt %1 unter %2</translation>
    </message>
</context>
<context>
    <name>DesignGallery</name>
    <message>
        <source>the design is not a project file</source>
        <translation>das Design ist keine Projektdatei</translation>
    </message>
    <message>
        <source>a design needs a name</source>
        <translation>ein Design braucht einen Namen</translation>
    </message>
    <message>
        <source>a name cannot begin or end with a space</source>
        <translation>ein Name darf nicht mit einem Leerzeichen beginnen oder enden</translation>
    </message>
    <message>
        <source>a name may have at most %1 characters</source>
        <translation>ein Name darf höchstens %1 Zeichen lang sein</translation>
    </message>
    <message>
        <source>a name cannot begin with a full stop</source>
        <translation>ein Name darf nicht mit einem Punkt beginnen</translation>
    </message>
    <message>
        <source>a name cannot hold “%1”</source>
        <translation>ein Name darf kein „%1“ enthalten</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>built-in designs cannot be renamed</source>
        <translation>mitgelieferte Designs können nicht umbenannt werden</translation>
    </message>
    <message>
        <source>a design called “%1” exists</source>
        <translation>ein Design namens „%1“ ist bereits vorhanden</translation>
    </message>
    <message>
        <source>the design file cannot be renamed</source>
        <translation>die Designdatei kann nicht umbenannt werden</translation>
    </message>
    <message>
        <source>built-in designs cannot be removed</source>
        <translation>mitgelieferte Designs können nicht entfernt werden</translation>
    </message>
    <message>
        <source>the design file cannot be removed</source>
        <translation>die Designdatei kann nicht entfernt werden</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>“%1” could not be written: %2</source>
        <translation>„%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The icon “%1” was not copied: its name is not a plain file name.</source>
        <translation>Das Symbol „%1“ wurde nicht kopiert: Sein Name ist kein einfacher Dateiname.</translation>
    </message>
    <message>
        <source>The icon “%1” was not copied: %2</source>
        <translation>Das Symbol „%1“ wurde nicht kopiert: %2</translation>
    </message>
    <message>
        <source>The icons were not copied: there is no preview folder.</source>
        <translation>Die Symbole wurden nicht kopiert: Es gibt keinen Vorschauordner.</translation>
    </message>
    <message>
        <source>%1 holds files of the same name: %2</source>
        <translation>%1 enthält bereits gleichnamige Dateien: %2</translation>
    </message>
    <message>
        <source>Classic pages show two levels: the menu’s third level stays in the design but is not on the page. The Modern style shows it.</source>
        <translation>Klassische Seiten zeigen zwei Ebenen: Die dritte Ebene des Menüs bleibt im Entwurf, steht aber nicht auf der Seite. Der Stil „Modern“ zeigt sie.</translation>
    </message>
</context>
<context>
    <name>GradientSettings</name>
    <message>
        <source>sub-menu</source>
        <translation>Untermenü</translation>
    </message>
    <message>
        <source>main menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>hover</source>
        <translation>Hover</translation>
    </message>
    <message>
        <source>active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>IconFiles</name>
    <message>
        <source>the picture cannot be encoded</source>
        <translation>das Bild kann nicht kodiert werden</translation>
    </message>
</context>
<context>
    <name>IconImporter</name>
    <message>
        <source>The preview folder is not available.</source>
        <translation>Der Vorschauordner ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>Die Datei ist größer als %1 MB.</translation>
    </message>
    <message>
        <source>The file cannot be read (%1).</source>
        <translation>Die Datei kann nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <source>It is not a PNG, JPEG or GIF picture.</source>
        <translation>Die Datei ist kein PNG-, JPEG- oder GIF-Bild.</translation>
    </message>
    <message>
        <source>The picture cannot be decoded, or it is larger than %1 pixels on a side or %2 million pixels in all.</source>
        <translation>Das Bild kann nicht dekodiert werden oder ist größer als %1 Pixel pro Seite bzw. %2 Millionen Pixel insgesamt.</translation>
    </message>
    <message>
        <source>An SVG icon goes into the Icon field; it is sharp at every size without a double-resolution file.</source>
        <translation>Ein SVG-Symbol gehört in das Feld „Symbol“; es ist auch ohne Datei in doppelter Auflösung in jeder Größe scharf.</translation>
    </message>
    <message>
        <source>It cannot be encoded for the preview folder.</source>
        <translation>Das Bild kann nicht für den Vorschauordner kodiert werden.</translation>
    </message>
    <message>
        <source>It cannot be copied into the preview folder (%1).</source>
        <translation>Die Datei kann nicht in den Vorschauordner kopiert werden (%1).</translation>
    </message>
    <message>
        <source>It cannot be used: %1.</source>
        <translation>Die Datei kann nicht verwendet werden: %1.</translation>
    </message>
    <message>
        <source>It is %1 × %2 px large; a menu icon is at most %3 px on a side.</source>
        <translation>Das Symbol ist %1 × %2 px groß; ein Menüsymbol misst höchstens %3 px pro Seite.</translation>
    </message>
    <message>
        <source>It cannot be drawn.</source>
        <translation>Das Symbol kann nicht gezeichnet werden.</translation>
    </message>
</context>
<context>
    <name>MenuImport</name>
    <message>
        <source>The page cannot be read.</source>
        <translation>Die Seite kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The page has no navigation and no list of links.</source>
        <translation>Die Seite hat keine Navigation und keine Liste von Links.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>Die Datei ist größer als %1 MB.</translation>
    </message>
    <message>
        <source>No menu items were found in the file.</source>
        <translation>In der Datei wurden keine Menüpunkte gefunden.</translation>
    </message>
    <message>
        <source>The menu has %1 items; a menu holds at most %2.</source>
        <translation>Das Menü hat %1 Menüpunkte; ein Menü fasst höchstens %2.</translation>
    </message>
    <message>
        <source>Items deeper than %1 levels, placed in level %1: %2</source>
        <translation>Menüpunkte tiefer als %1 Ebenen, in Ebene %1 eingeordnet: %2</translation>
    </message>
    <message>
        <source>Items without a title, left out: %1</source>
        <translation>Menüpunkte ohne Titel, ausgelassen: %1</translation>
    </message>
    <message>
        <source>Script links, left out (their items kept without a link): %1</source>
        <translation>Skript-Links, ausgelassen (ihre Menüpunkte bleiben ohne Link erhalten): %1</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>Die Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The file is a sitemap index: import one of the sitemaps it lists.</source>
        <translation>Die Datei ist ein Sitemap-Index: Importieren Sie eine der darin aufgeführten Sitemaps.</translation>
    </message>
    <message>
        <source>The file is not a sitemap (a urlset of sitemaps.org).</source>
        <translation>Die Datei ist keine Sitemap (ein urlset nach sitemaps.org).</translation>
    </message>
    <message>
        <source>The sitemap cannot be read: %1 (line %2).</source>
        <translation>Die Sitemap kann nicht gelesen werden: %1 (Zeile %2).</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Addresses listed twice, taken once: %1</source>
        <translation>Doppelt aufgeführte Adressen, einmal übernommen: %1</translation>
    </message>
    <message>
        <source>Entries that are not web addresses, left out: %1</source>
        <translation>Einträge, die keine Webadressen sind, ausgelassen: %1</translation>
    </message>
    <message>
        <source>The sitemap lists no web addresses.</source>
        <translation>Die Sitemap führt keine Webadressen auf.</translation>
    </message>
</context>
<context>
    <name>MenuStructureView</name>
    <message>
        <source>A menu item needs a title: a link without one says nothing to visitors.</source>
        <translation>Ein Menüpunkt braucht einen Titel: Ein Link ohne Titel sagt Besuchern nichts.</translation>
    </message>
</context>
<context>
    <name>PageOpener</name>
    <message>
        <source>Page Not Opened</source>
        <translation>Seite nicht geöffnet</translation>
    </message>
    <message>
        <source>The page could not be opened in a browser: %1</source>
        <translation>Die Seite konnte nicht in einem Browser geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Open it by hand:
%1</source>
        <translation>Öffnen Sie sie manuell:
%1</translation>
    </message>
    <message>
        <source>the desktop&apos;s opener (xdg-open) is missing.</source>
        <translation>das Öffnen-Programm der Arbeitsumgebung (xdg-open) fehlt.</translation>
    </message>
    <message>
        <source>the desktop&apos;s opener (xdg-open) ended with error %1.</source>
        <translation>das Öffnen-Programm der Arbeitsumgebung (xdg-open) wurde mit Fehler %1 beendet.</translation>
    </message>
</context>
<context>
    <name>PreviewFolder</name>
    <message>
        <source>the name is reserved for Brindle&apos;s own use</source>
        <translation>der Name ist für Brindle selbst reserviert</translation>
    </message>
    <message>
        <source>the preview folder&apos;s file list cannot be written</source>
        <translation>die Dateiliste des Vorschauordners kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the old script cannot be removed</source>
        <translation>das alte Skript kann nicht entfernt werden</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>the file cannot be read: </source>
        <translation>die Datei kann nicht gelesen werden: </translation>
    </message>
    <message>
        <source>the file is too large to be a project file</source>
        <translation>die Datei ist zu groß für eine Projektdatei</translation>
    </message>
    <message>
        <source>the file is not a property list</source>
        <translation>die Datei ist keine Eigenschaftsliste</translation>
    </message>
    <message>
        <source>the file is a property list but not an array</source>
        <translation>die Datei ist eine Eigenschaftsliste, aber kein Array</translation>
    </message>
</context>
<context>
    <name>ProjectReader</name>
    <message>
        <source>the file ends early: %1 is missing</source>
        <translation>die Datei endet vorzeitig: %1 fehlt</translation>
    </message>
    <message>
        <source>element %1 (%2) should be %3 but is %4</source>
        <translation>Element %1 (%2) sollte %3 sein, ist aber %4</translation>
    </message>
    <message>
        <source>element %1 (%2) holds %3, which is out of range</source>
        <translation>Element %1 (%2) enthält %3 und liegt damit außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <source>element %1 (%2) is not a finite number</source>
        <translation>Element %1 (%2) ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>element %1 (%2) is negative: %3</source>
        <translation>Element %1 (%2) ist negativ: %3</translation>
    </message>
    <message>
        <source>element %1 (%2) claims %3 items, more than the file holds</source>
        <translation>Element %1 (%2) gibt %3 Menüpunkte an, mehr als die Datei enthält</translation>
    </message>
    <message>
        <source>which is not valid UTF-8 text</source>
        <translation>der kein gültiger UTF-8-Text ist</translation>
    </message>
    <message>
        <source>which is longer than a file name may be (%1 bytes)</source>
        <translation>der länger ist, als ein Dateiname sein darf (%1 Byte)</translation>
    </message>
    <message>
        <source>which is not a plain file name or is reserved for a generated file</source>
        <translation>der kein einfacher Dateiname ist oder für eine erzeugte Datei reserviert ist</translation>
    </message>
    <message>
        <source>, file name</source>
        <translation>, Dateiname</translation>
    </message>
    <message>
        <source>%1 has the file name %2, %3</source>
        <translation>%1 hat den Dateinamen %2, %3</translation>
    </message>
    <message>
        <source>, icon class</source>
        <translation>, Symbolklasse</translation>
    </message>
    <message>
        <source>, icon gap</source>
        <translation>, Symbolabstand</translation>
    </message>
    <message>
        <source>, double-resolution icon</source>
        <translation>, Symbol in doppelter Auflösung</translation>
    </message>
    <message>
        <source>number of menu items</source>
        <translation>Anzahl der Menüpunkte</translation>
    </message>
    <message>
        <source>menu item %1</source>
        <translation>Menüpunkt %1</translation>
    </message>
    <message>
        <source>, number of sub-items</source>
        <translation>, Anzahl der Untermenüpunkte</translation>
    </message>
    <message>
        <source>the file has %1 unexpected elements after its last menu item</source>
        <translation>die Datei enthält nach ihrem letzten Menüpunkt %1 unerwartete Elemente</translation>
    </message>
    <message>
        <source>%1 should be a dictionary but is %2</source>
        <translation>%1 sollte ein Wörterbuch sein, ist aber %2</translation>
    </message>
    <message>
        <source>%1 has the unknown key %2</source>
        <translation>%1 hat den unbekannten Schlüssel %2</translation>
    </message>
    <message>
        <source>%1 has no SVG document as UTF-8 text</source>
        <translation>%1 enthält kein SVG-Dokument als UTF-8-Text</translation>
    </message>
    <message>
        <source>%1 has no SVG file name</source>
        <translation>%1 hat keinen SVG-Dateinamen</translation>
    </message>
    <message>
        <source>%1 has the file name %2, which does not end in “.svg”</source>
        <translation>%1 hat den Dateinamen %2, der nicht auf „.svg“ endet</translation>
    </message>
    <message>
        <source>%1 says whether it follows the text colour with %2, not a boolean</source>
        <translation>%1 gibt %2 statt eines Wahrheitswerts dafür an, ob es der Textfarbe folgt</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>%1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>%1 holds what an icon must not: %2</source>
        <translation>%1 enthält, was ein Symbol nicht enthalten darf: %2</translation>
    </message>
    <message>
        <source>the items section should be a dictionary but is %1</source>
        <translation>der Abschnitt mit den Menüpunkten sollte ein Wörterbuch sein, ist aber %1</translation>
    </message>
    <message>
        <source>the icon of item %1</source>
        <translation>das Symbol von Menüpunkt %1</translation>
    </message>
    <message>
        <source>the items section names %1, which the menu does not have</source>
        <translation>der Abschnitt mit den Menüpunkten nennt den Menüpunkt %1, den es im Menü nicht gibt</translation>
    </message>
    <message>
        <source>%1 is an SVG without its two pictures</source>
        <translation>%1 ist ein SVG ohne seine beiden Bilder</translation>
    </message>
    <message>
        <source>the last element should be a dictionary of output options but is %1</source>
        <translation>das letzte Element sollte ein Wörterbuch mit Ausgabeoptionen sein, ist aber %1</translation>
    </message>
    <message>
        <source>the output style is not “classic” or “modern”</source>
        <translation>der Ausgabestil ist weder „classic“ noch „modern“</translation>
    </message>
    <message>
        <source>the navigation label is not a text that names something</source>
        <translation>der Menüname ist kein Text, der etwas benennt</translation>
    </message>
    <message>
        <source>the phone breakpoint is not a width from %1 to %2 pixels</source>
        <translation>die Breite für das mobile Layout liegt nicht zwischen %1 und %2 Pixeln</translation>
    </message>
    <message>
        <source>the class name is not a CSS class name of up to %1 letters, digits, “-” and “_”</source>
        <translation>der Klassenname ist kein CSS-Klassenname aus bis zu %1 Buchstaben, Ziffern, „-“ und „_“</translation>
    </message>
    <message>
        <source>the file has no version, so it is not a project file</source>
        <translation>die Datei hat keine Version und ist daher keine Projektdatei</translation>
    </message>
    <message>
        <source>the file has the version %1, which this application cannot read</source>
        <translation>die Datei hat die Version %1, die diese Anwendung nicht lesen kann</translation>
    </message>
    <message>
        <source>the file ends early: it has %1 elements, too few for the settings and the number of menu items</source>
        <translation>die Datei endet vorzeitig: Sie hat %1 Elemente, zu wenige für die Einstellungen und die Anzahl der Menüpunkte</translation>
    </message>
    <message>
        <source>the menu&apos;s direction is not “page”, “ltr” or “rtl”</source>
        <translation>die Richtung des Menüs ist nicht „page“, „ltr“ oder „rtl“</translation>
    </message>
    <message>
        <source>setting %1</source>
        <translation>Einstellung %1</translation>
    </message>
    <message>
        <source>, present</source>
        <translation>, vorhanden</translation>
    </message>
    <message>
        <source>, image</source>
        <translation>, Bild</translation>
    </message>
    <message>
        <source>, title</source>
        <translation>, Titel</translation>
    </message>
    <message>
        <source>, link</source>
        <translation>, Link</translation>
    </message>
    <message>
        <source>, icon</source>
        <translation>, Symbol</translation>
    </message>
    <message>
        <source>sub-item %1 of %2</source>
        <translation>Untermenüpunkt %1 von %2</translation>
    </message>
    <message>
        <source>the current page&apos;s look is not “active”, “hover” or “plain”</source>
        <translation>das Aussehen der aktuellen Seite ist nicht „active“, „hover“ oder „plain“</translation>
    </message>
</context>
<context>
    <name>PropertyList</name>
    <message>
        <source>an integer</source>
        <translation>eine Ganzzahl</translation>
    </message>
    <message>
        <source>a real number</source>
        <translation>eine Gleitkommazahl</translation>
    </message>
    <message>
        <source>a boolean</source>
        <translation>ein Wahrheitswert</translation>
    </message>
    <message>
        <source>a dictionary</source>
        <translation>ein Wörterbuch</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>ein Array</translation>
    </message>
    <message>
        <source>a date</source>
        <translation>ein Datum</translation>
    </message>
    <message>
        <source>a key</source>
        <translation>ein Schlüssel</translation>
    </message>
    <message>
        <source>an identifier</source>
        <translation>eine Kennung</translation>
    </message>
    <message>
        <source>an unknown element</source>
        <translation>ein unbekanntes Element</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>data</source>
        <translation>Binärdaten</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
</context>
<context>
    <name>SvgCleaner</name>
    <message>
        <source>processing instruction</source>
        <translation>Verarbeitungsanweisung</translation>
    </message>
    <message>
        <source>a element&apos;s link</source>
        <translation>Link eines a-Elements</translation>
    </message>
    <message>
        <source>id value a reference cannot name</source>
        <translation>ID-Wert, den kein Verweis ansprechen kann</translation>
    </message>
    <message>
        <source>repeated id</source>
        <translation>doppelte ID</translation>
    </message>
    <message>
        <source> value reaching outside the file</source>
        <translation>-Wert mit Verweis außerhalb der Datei</translation>
    </message>
    <message>
        <source>link outside the file</source>
        <translation>Link außerhalb der Datei</translation>
    </message>
    <message>
        <source>link to a missing element</source>
        <translation>Link auf ein fehlendes Element</translation>
    </message>
    <message>
        <source>reference to a missing element</source>
        <translation>Verweis auf ein fehlendes Element</translation>
    </message>
    <message>
        <source>its elements refer to each other in a circle</source>
        <translation>Elemente verweisen im Kreis aufeinander</translation>
    </message>
    <message>
        <source>its references nest more than %1 deep</source>
        <translation>Verweise mehr als %1 Ebenen tief verschachtelt</translation>
    </message>
    <message>
        <source>its references would draw more than %1 elements</source>
        <translation>Verweise würden mehr als %1 Elemente zeichnen</translation>
    </message>
    <message>
        <source>%1 element</source>
        <translation>%1-Element</translation>
    </message>
    <message>
        <source>%1 attribute</source>
        <translation>%1-Attribut</translation>
    </message>
</context>
<context>
    <name>SvgCss</name>
    <message>
        <source>%1 style property</source>
        <translation>Stileigenschaft %1</translation>
    </message>
    <message>
        <source>%1 style value reaching outside the file</source>
        <translation>Wert der Stileigenschaft %1 mit Verweis außerhalb der Datei</translation>
    </message>
    <message>
        <source>style rule for %1</source>
        <translation>Stilregel für %1</translation>
    </message>
</context>
<context>
    <name>SvgIcon</name>
    <message>
        <source>it cannot be decompressed</source>
        <translation>nicht dekomprimierbar</translation>
    </message>
    <message>
        <source>it is larger than %1 KB once decompressed</source>
        <translation>dekomprimiert größer als %1 KB</translation>
    </message>
    <message>
        <source>it is not a complete gzip stream</source>
        <translation>kein vollständiger gzip-Datenstrom</translation>
    </message>
</context>
<context>
    <name>SvgTree</name>
    <message>
        <source>it is larger than %1 KB</source>
        <translation>größer als %1 KB</translation>
    </message>
    <message>
        <source>it declares a DTD or entities, which an icon never needs</source>
        <translation>enthält eine DTD oder Entitäten, die ein Symbol nie braucht</translation>
    </message>
    <message>
        <source>its elements are nested more than %1 deep</source>
        <translation>Elemente mehr als %1 Ebenen tief verschachtelt</translation>
    </message>
    <message>
        <source>it has more than %1 elements</source>
        <translation>mehr als %1 Elemente</translation>
    </message>
    <message>
        <source>it is not an SVG image</source>
        <translation>kein SVG-Bild</translation>
    </message>
    <message>
        <source>it is not well-formed XML (%1)</source>
        <translation>kein wohlgeformtes XML (%1)</translation>
    </message>
</context>
<context>
    <name>TabStripView</name>
    <message>
        <source>Menu bar state</source>
        <translation>Zustand der Menüleiste</translation>
    </message>
    <message>
        <source>Sub-menu state</source>
        <translation>Zustand des Untermenüs</translation>
    </message>
    <message>
        <source>Source code</source>
        <translation>Quelltext</translation>
    </message>
    <message>
        <source>Application category</source>
        <translation>Anwendungskategorie</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hover</source>
        <translation>Hover</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Developer Tools</source>
        <translation>Entwickler-Tools</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Dienstprogramme</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Aktuell</translation>
    </message>
</context>
<context>
    <name>ThumbnailCache</name>
    <message>
        <source>nothing to keep</source>
        <translation>nichts zu speichern</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the picture cannot be encoded</source>
        <translation>das Bild kann nicht kodiert werden</translation>
    </message>
</context>
<context>
    <name>brindle::AboutSheet</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Navigation bars with drop-down menus, without writing code.</source>
        <translation>Navigationsleisten mit Aufklappmenüs – ganz ohne Code.</translation>
    </message>
</context>
<context>
    <name>brindle::ContrastBadge</name>
    <message>
        <source>Text contrast</source>
        <translation>Textkontrast</translation>
    </message>
    <message>
        <source>The text&apos;s contrast is %1 at worst, against the %2.</source>
        <translation>Der Kontrast des Textes liegt im ungünstigsten Fall bei %1, gegenüber dem %2.</translation>
    </message>
    <message>
        <source>That is below %1 for text of this size, hard to read for many visitors; 3 : 1 applies from 24 px, or 18.66 px bold.</source>
        <translation>Das liegt unter den für Text dieser Größe nötigen %1 und ist für viele Besucher schwer lesbar; 3 : 1 gilt ab 24 px oder ab 18.66 px fett.</translation>
    </message>
</context>
<context>
    <name>brindle::ContrastWindow</name>
    <message>
        <source>Bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>Sub-menu</source>
        <translation>Untermenü</translation>
    </message>
    <message>
        <source>Hover</source>
        <translation>Hover</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>%1, %2 text</source>
        <translation>%1, Text (%2)</translation>
    </message>
    <message>
        <source>Check Contrast</source>
        <translation>Kontrast prüfen</translation>
    </message>
    <message>
        <source>Contrast of text, icons and arrows</source>
        <translation>Kontrast von Text, Symbolen und Pfeilen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Needed</source>
        <translation>Erforderlich</translation>
    </message>
    <message>
        <source>Fix in</source>
        <translation>Ändern in</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>Sub-Menu</source>
        <translation>Untermenü</translation>
    </message>
    <message>
        <source>%1 → %2 tab</source>
        <translation>%1 → Registerkarte „%2“</translation>
    </message>
    <message>
        <source>Return or a double click goes there</source>
        <translation>Eingabetaste oder Doppelklick führt dorthin</translation>
    </message>
    <message>
        <source>on the %1</source>
        <translation>auf dem %1</translation>
    </message>
    <message>
        <source>%1 on the %2</source>
        <translation>%1 auf dem %2</translation>
    </message>
    <message>
        <source>A quarter of what it draws reaches this contrast; icons and arrows need 3 : 1.</source>
        <translation>Mindestens ein Viertel der gezeichneten Pixel erreicht diesen Kontrast; Symbole und Pfeile brauchen 3 : 1.</translation>
    </message>
</context>
<context>
    <name>brindle::CurrentPageView</name>
    <message>
        <source>Current page</source>
        <translation>Aktuelle Seite</translation>
    </message>
    <message>
        <source>As pressed</source>
        <translation>Wie gedrückt</translation>
    </message>
    <message>
        <source>As hovered</source>
        <translation>Wie unter dem Mauszeiger</translation>
    </message>
    <message>
        <source>As the others</source>
        <translation>Wie die anderen</translation>
    </message>
    <message>
        <source>How a Modern menu shows the bar&apos;s item of the page being shown, and the bar&apos;s item above a current sub-item. Your site&apos;s own aria-current=&quot;page&quot; marks work too.</source>
        <translation>Wie ein modernes Menü den Menüpunkt der angezeigten Seite in der Leiste zeigt, und den Menüpunkt der Leiste über einem aktuellen Untermenüpunkt. Eigene aria-current=&quot;page&quot;-Markierungen Ihrer Website wirken ebenfalls.</translation>
    </message>
    <message>
        <source>How a Modern menu shows the drop-down item of the page being shown.</source>
        <translation>Wie ein modernes Menü den Untermenüpunkt der angezeigten Seite zeigt.</translation>
    </message>
    <message>
        <source>current page</source>
        <translation>aktuelle Seite</translation>
    </message>
    <message>
        <source>Looks</source>
        <translation>Aussehen</translation>
    </message>
</context>
<context>
    <name>brindle::DesignGalleryDialog</name>
    <message>
        <source>%1, built-in design</source>
        <translation>%1, mitgeliefertes Design</translation>
    </message>
    <message>
        <source>%1, your design</source>
        <translation>%1, eigenes Design</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>Aus&amp;wählen</translation>
    </message>
    <message>
        <source>Re&amp;name…</source>
        <translation>&amp;Umbenennen…</translation>
    </message>
    <message>
        <source>&amp;Remove…</source>
        <translation>&amp;Entfernen…</translation>
    </message>
    <message>
        <source>&amp;Show this gallery when Brindle starts</source>
        <translation>Diese Galerie beim &amp;Start von Brindle zeigen</translation>
    </message>
    <message>
        <source>New from Design</source>
        <translation>Neu aus Design</translation>
    </message>
    <message>
        <source>Choose a design to start from. You may keep your menu or take the design&apos;s sample menu.</source>
        <translation>Wählen Sie ein Design als Ausgangspunkt. Sie können Ihr Menü behalten oder das Beispielmenü des Designs übernehmen.</translation>
    </message>
    <message>
        <source>Designs</source>
        <translation>Designs</translation>
    </message>
    <message>
        <source>Continue with:</source>
        <translation>Weiterarbeiten an:</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>%1 öffnen</translation>
    </message>
    <message>
        <source>Rename Design</source>
        <translation>Design umbenennen</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Neuer Name:</translation>
    </message>
    <message>
        <source>Design Not Renamed</source>
        <translation>Design nicht umbenannt</translation>
    </message>
    <message>
        <source>“%1” could not be renamed: %2.</source>
        <translation>„%1“ konnte nicht umbenannt werden: %2.</translation>
    </message>
    <message>
        <source>Remove Design</source>
        <translation>Design entfernen</translation>
    </message>
    <message>
        <source>Remove “%1” from the gallery?</source>
        <translation>„%1“ aus der Galerie entfernen?</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Design Not Removed</source>
        <translation>Design nicht entfernt</translation>
    </message>
    <message>
        <source>“%1” could not be removed: %2.</source>
        <translation>„%1“ konnte nicht entfernt werden: %2.</translation>
    </message>
</context>
<context>
    <name>brindle::DesignHistory</name>
    <message>
        <source>Menu Change</source>
        <translation>Menüänderung</translation>
    </message>
    <message>
        <source>Output Options</source>
        <translation>Ausgabeoptionen</translation>
    </message>
    <message>
        <source>Style Change</source>
        <translation>Stiländerung</translation>
    </message>
</context>
<context>
    <name>brindle::Document</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Recover &amp;Unsaved Work…</source>
        <translation>Ungesichertes &amp;wiederherstellen…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>Icons Not Restored</source>
        <translation>Symbole nicht wiederhergestellt</translation>
    </message>
    <message>
        <source>The preview and exports may show other pictures for these icons:
%1</source>
        <translation>Vorschau und Exporte zeigen für diese Symbole möglicherweise andere Bilder:
%1</translation>
    </message>
    <message>
        <source>Unsaved work is kept for recovery again.</source>
        <translation>Ungesicherte Arbeit wird wieder als Wiederherstellungskopie gesichert.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>%1[*] — Brindle</source>
        <translation>%1[*] — Brindle</translation>
    </message>
    <message>
        <source>The design</source>
        <translation>Das Design</translation>
    </message>
    <message>
        <source>The unsaved work</source>
        <translation>Die ungesicherte Arbeit</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Ungesicherte Änderungen</translation>
    </message>
    <message>
        <source>Do you want to save the changes to “%1”?</source>
        <translation>Möchten Sie die Änderungen an „%1“ speichern?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them.</source>
        <translation>Ihre Änderungen gehen verloren, wenn Sie sie nicht speichern.</translation>
    </message>
    <message>
        <source>Recover Unsaved Work</source>
        <translation>Ungesicherte Arbeit wiederherstellen</translation>
    </message>
    <message>
        <source>There is no unsaved work to recover.</source>
        <translation>Es gibt keine ungesicherte Arbeit, die wiederhergestellt werden kann.</translation>
    </message>
    <message>
        <source>Recovery Failed</source>
        <translation>Wiederherstellung fehlgeschlagen</translation>
    </message>
    <message>
        <source>The unsaved work could not be read (%1); it was set aside as “%2”.</source>
        <translation>Die ungesicherte Arbeit konnte nicht gelesen werden (%1); sie wurde als „%2“ beiseitegelegt.</translation>
    </message>
    <message>
        <source>Recovery Copy Not Written</source>
        <translation>Wiederherstellungskopie nicht geschrieben</translation>
    </message>
    <message>
        <source>The restored work could not be kept in “%1”, so its earlier copy stays there and will be offered again. Save the design to keep it.</source>
        <translation>Die wiederhergestellte Arbeit konnte nicht in „%1“ gesichert werden. Ihre frühere Kopie bleibt deshalb dort und wird erneut angeboten. Speichern Sie das Design, um es zu behalten.</translation>
    </message>
    <message>
        <source>Unsaved work cannot be kept for recovery in %1.</source>
        <translation>Ungesicherte Arbeit kann nicht als Wiederherstellungskopie in %1 gesichert werden.</translation>
    </message>
    <message>
        <source>Brindle could not keep a copy of your unsaved work in “%1”: %2
It keeps trying; save the design to be safe.</source>
        <translation>Brindle konnte keine Kopie Ihrer ungesicherten Arbeit in „%1“ anlegen: %2
Brindle versucht es weiter; speichern Sie das Design, um sicherzugehen.</translation>
    </message>
</context>
<context>
    <name>brindle::GalleryActions</name>
    <message>
        <source>New from &amp;Design…</source>
        <translation>Neu aus &amp;Design…</translation>
    </message>
    <message>
        <source>Save Design to &amp;Gallery…</source>
        <translation>Design in &amp;Galerie speichern…</translation>
    </message>
    <message>
        <source>Keep Your Menu?</source>
        <translation>Ihr Menü behalten?</translation>
    </message>
    <message>
        <source>Start from “%1” with your menu, or with the design&apos;s sample menu?</source>
        <translation>Mit „%1“ und Ihrem Menü beginnen oder mit dem Beispielmenü des Designs?</translation>
    </message>
    <message>
        <source>Your menu keeps its items, links, icons and output options; only the look changes.</source>
        <translation>Ihr Menü behält seine Menüpunkte, Links, Symbole und Ausgabeoptionen; nur das Aussehen ändert sich.</translation>
    </message>
    <message>
        <source>&amp;Keep My Menu</source>
        <translation>&amp;Mein Menü behalten</translation>
    </message>
    <message>
        <source>Use &amp;Sample Menu</source>
        <translation>&amp;Beispielmenü verwenden</translation>
    </message>
    <message>
        <source>Save Design to Gallery</source>
        <translation>Design in Galerie speichern</translation>
    </message>
    <message>
        <source>Name of the design:</source>
        <translation>Name des Designs:</translation>
    </message>
    <message>
        <source>Design Not Saved</source>
        <translation>Design nicht gespeichert</translation>
    </message>
    <message>
        <source>The design was not saved: %1.</source>
        <translation>Das Design wurde nicht gespeichert: %1.</translation>
    </message>
    <message>
        <source>Replace Design?</source>
        <translation>Design ersetzen?</translation>
    </message>
    <message>
        <source>A design called “%1” is in the gallery. Replace it?</source>
        <translation>In der Galerie gibt es bereits ein Design namens „%1“. Möchten Sie es ersetzen?</translation>
    </message>
    <message>
        <source>Saved “%1” to the gallery</source>
        <translation>„%1“ in der Galerie gespeichert</translation>
    </message>
</context>
<context>
    <name>brindle::GradientPanel</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop 1</source>
        <translation>Stopp 1</translation>
    </message>
    <message>
        <source>stop 1</source>
        <translation>Stopp 1</translation>
    </message>
    <message>
        <source>Stop 2</source>
        <translation>Stopp 2</translation>
    </message>
    <message>
        <source>stop 2</source>
        <translation>Stopp 2</translation>
    </message>
    <message>
        <source>Stop 3</source>
        <translation>Stopp 3</translation>
    </message>
    <message>
        <source>stop 3</source>
        <translation>Stopp 3</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>end</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>%1 colour</source>
        <translation>%1, Farbe</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>%1 position</source>
        <translation>%1, Position</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>opacity</source>
        <translation>Deckkraft</translation>
    </message>
</context>
<context>
    <name>brindle::LeftWorkDialog</name>
    <message>
        <source>Recover Unsaved Work</source>
        <translation>Ungesicherte Arbeit wiederherstellen</translation>
    </message>
    <message>
        <source>Brindle ended without saving these designs. Restore one to continue where you left off; the others are kept for later.</source>
        <translation>Brindle wurde beendet, ohne diese Designs zu speichern. Stellen Sie eines wieder her, um dort weiterzuarbeiten, wo Sie aufgehört haben; die anderen werden für später aufbewahrt.</translation>
    </message>
    <message>
        <source>Unsaved designs</source>
        <translation>Ungesicherte Designs</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Discard…</source>
        <translation>&amp;Verwerfen…</translation>
    </message>
    <message>
        <source>&amp;Keep for Later</source>
        <translation>Für &amp;später behalten</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>%1
kept %2 — cannot be read</source>
        <translation>%1
gesichert am %2 – nicht lesbar</translation>
    </message>
    <message>
        <source>1 item</source>
        <translation>1 Menüpunkt</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 Menüpunkte</translation>
    </message>
    <message>
        <source>%1
kept %2 — %3: %4</source>
        <translation>%1
gesichert am %2 – %3: %4</translation>
    </message>
    <message>
        <source>Discard Unsaved Work</source>
        <translation>Ungesicherte Arbeit verwerfen</translation>
    </message>
    <message>
        <source>Discard the unsaved work “%1”?</source>
        <translation>Die ungesicherte Arbeit „%1“ verwerfen?</translation>
    </message>
    <message>
        <source>It cannot be brought back.</source>
        <translation>Sie lässt sich danach nicht wiederherstellen.</translation>
    </message>
</context>
<context>
    <name>brindle::MainWindow</name>
    <message>
        <source>Modes</source>
        <translation>Modi</translation>
    </message>
    <message>
        <source>Menu preview</source>
        <translation>Menüvorschau</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Export &amp;HTML…</source>
        <translation>&amp;HTML exportieren…</translation>
    </message>
    <message>
        <source>Export &amp;CSS…</source>
        <translation>&amp;CSS exportieren…</translation>
    </message>
    <message>
        <source>Export &amp;All…</source>
        <translation>&amp;Alles exportieren…</translation>
    </message>
    <message>
        <source>Export Sn&amp;ippet…</source>
        <translation>Sn&amp;ippet exportieren…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Open in &amp;Browser</source>
        <translation>Im &amp;Browser öffnen</translation>
    </message>
    <message>
        <source>The preview is not ready yet.</source>
        <translation>Die Vorschau ist noch nicht bereit.</translation>
    </message>
    <message>
        <source>Check &amp;Contrast…</source>
        <translation>&amp;Kontrast prüfen…</translation>
    </message>
    <message>
        <source>Open Check Contrast</source>
        <translation>„Kontrast prüfen“ öffnen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Copy &amp;HTML</source>
        <translation>&amp;HTML kopieren</translation>
    </message>
    <message>
        <source>Copy C&amp;SS</source>
        <translation>C&amp;SS kopieren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Brindle &amp;Home Page</source>
        <translation>Brindle-&amp;Website</translation>
    </message>
    <message>
        <source>&amp;Related Applications…</source>
        <translation>&amp;Verwandte Anwendungen…</translation>
    </message>
    <message>
        <source>&amp;About Brindle</source>
        <translation>Ü&amp;ber Brindle</translation>
    </message>
    <message>
        <source>The preview folder could not be created in %1; the preview stays empty.</source>
        <translation>Der Vorschauordner konnte nicht in %1 angelegt werden; die Vorschau bleibt leer.</translation>
    </message>
    <message>
        <source>1 text colour hard to read</source>
        <translation>1 Textfarbe schwer lesbar</translation>
    </message>
    <message>
        <source>%1 text colours hard to read</source>
        <translation>%1 Textfarben schwer lesbar</translation>
    </message>
    <message>
        <source>1 icon or arrow hard to see</source>
        <translation>1 Symbol oder Pfeil schwer erkennbar</translation>
    </message>
    <message>
        <source>%1 icons or arrows hard to see</source>
        <translation>%1 Symbole oder Pfeile schwer erkennbar</translation>
    </message>
</context>
<context>
    <name>brindle::MenuImportActions</name>
    <message>
        <source>Import &amp;Menu…</source>
        <translation>Menü &amp;importieren…</translation>
    </message>
    <message>
        <source>Take the menu of a site&apos;s page, sitemap or outline; the style stays</source>
        <translation>Das Menü aus einer Seite, Sitemap oder Gliederung einer Website übernehmen; der Stil bleibt</translation>
    </message>
    <message>
        <source>Menu Not Imported</source>
        <translation>Menü nicht importiert</translation>
    </message>
    <message>
        <source>No menu could be taken from “%1”: %2</source>
        <translation>Aus „%1“ konnte kein Menü übernommen werden: %2</translation>
    </message>
    <message>
        <source>Import Menu</source>
        <translation>Menü importieren</translation>
    </message>
    <message>
        <source>The menu of “%1” was imported; Undo brings the previous one back.</source>
        <translation>Das Menü von „%1“ wurde importiert; „Rückgängig“ stellt das vorherige wieder her.</translation>
    </message>
    <message>
        <source>Menu Imported</source>
        <translation>Menü importiert</translation>
    </message>
    <message>
        <source>The menu of “%1” was imported. Not all of it could be taken as it was:

%2</source>
        <translation>Das Menü von „%1“ wurde importiert. Nicht alles konnte unverändert übernommen werden:

%2</translation>
    </message>
</context>
<context>
    <name>brindle::MenuItemForm</name>
    <message>
        <source>Icon &amp;follows the text colour</source>
        <translation>Symbol &amp;folgt der Textfarbe</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Space between the icon and the title</source>
        <translation>Abstand zwischen Symbol und Titel</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Ebene:</translation>
    </message>
    <message>
        <source>&amp;Link:</source>
        <translation>&amp;Link:</translation>
    </message>
    <message>
        <source>&amp;Icon:</source>
        <translation>S&amp;ymbol:</translation>
    </message>
    <message>
        <source>Icon (&amp;2×):</source>
        <translation>Symbol (&amp;2×):</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>Icon &amp;gap:</source>
        <translation>Symbola&amp;bstand:</translation>
    </message>
    <message>
        <source>Icon gap</source>
        <translation>Symbolabstand</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Auswählen…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Choose %1 file</source>
        <translation>Datei für %1 auswählen</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>C&amp;reate</source>
        <translation>E&amp;rstellen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Choose Icon</source>
        <translation>Symbol auswählen</translation>
    </message>
    <message>
        <source>Choose Double-Resolution Icon</source>
        <translation>Symbol in doppelter Auflösung auswählen</translation>
    </message>
    <message>
        <source>Icons (*.svg *.svgz *.png *.jpeg *.jpg *.gif *.SVG *.SVGZ *.PNG *.JPEG *.JPG *.GIF)</source>
        <translation>Symbole (*.svg *.svgz *.png *.jpeg *.jpg *.gif *.SVG *.SVGZ *.PNG *.JPEG *.JPG *.GIF)</translation>
    </message>
    <message>
        <source>SVG icons (*.svg *.svgz *.SVG *.SVGZ)</source>
        <translation>SVG-Symbole (*.svg *.svgz *.SVG *.SVGZ)</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpeg *.jpg *.gif *.PNG *.JPEG *.JPG *.GIF)</source>
        <translation>Bilder (*.png *.jpeg *.jpg *.gif *.PNG *.JPEG *.JPG *.GIF)</translation>
    </message>
    <message>
        <source>An SVG icon is sharp at every size: it needs no double-resolution file.</source>
        <translation>Ein SVG-Symbol ist in jeder Größe scharf: Es braucht keine Datei in doppelter Auflösung.</translation>
    </message>
    <message>
        <source>The icon&apos;s black parts take the colour of the item&apos;s text, also on hover and while pressed (an SVG icon only)</source>
        <translation>Die schwarzen Teile des Symbols übernehmen die Textfarbe des Menüpunkts, auch bei Hover und beim Anklicken (nur bei SVG-Symbolen)</translation>
    </message>
    <message>
        <source>Classic pages show the icon&apos;s pictures, which keep their colours: choose the Modern output style for an icon in the text&apos;s colour</source>
        <translation>Seiten im Stil „Klassisch“ zeigen die Bilder des Symbols in deren eigenen Farben: Wählen Sie den Ausgabestil „Modern“ für ein Symbol in der Textfarbe</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>Sub Menu</source>
        <translation>Untermenü</translation>
    </message>
    <message>
        <source>Third Level</source>
        <translation>Dritte Ebene</translation>
    </message>
</context>
<context>
    <name>brindle::MenuStructureView</name>
    <message>
        <source>Add a menu item</source>
        <translation>Menüpunkt hinzufügen</translation>
    </message>
    <message>
        <source>Remove the selected item</source>
        <translation>Ausgewählten Menüpunkt entfernen</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Bearbeiten…</translation>
    </message>
    <message>
        <source>Edit the selected item</source>
        <translation>Ausgewählten Menüpunkt bearbeiten</translation>
    </message>
    <message>
        <source>Menu items</source>
        <translation>Menüpunkte</translation>
    </message>
    <message>
        <source>“%1”: %2</source>
        <translation>„%1“: %2</translation>
    </message>
    <message>
        <source>“%1” was cleaned for the web: left out %2.</source>
        <translation>„%1“ wurde fürs Web bereinigt; weggelassen: %2.</translation>
    </message>
    <message>
        <source>The icon is kept as %1: another picture is already called %2.</source>
        <translation>Das Symbol wird als %1 abgelegt: Ein anderes Bild heißt bereits %2.</translation>
    </message>
    <message>
        <source>Icon Not Used</source>
        <translation>Symbol nicht verwendet</translation>
    </message>
    <message>
        <source>An icon could not be used.</source>
        <translation>Ein Symbol konnte nicht verwendet werden.</translation>
    </message>
    <message>
        <source>Two icons could not be used.</source>
        <translation>Zwei Symbole konnten nicht verwendet werden.</translation>
    </message>
    <message>
        <source>The item keeps the icon it had before.</source>
        <translation>Der Menüpunkt behält sein bisheriges Symbol.</translation>
    </message>
    <message>
        <source>Delete Menu</source>
        <translation>Menü löschen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot; and all of its sub menus?</source>
        <translation>Möchten Sie „%1“ und alle zugehörigen Untermenüs wirklich löschen?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>brindle::MenuTreeModel</name>
    <message>
        <source>Rename Item</source>
        <translation>Menüpunkt umbenennen</translation>
    </message>
    <message>
        <source>Move Item</source>
        <translation>Menüpunkt verschieben</translation>
    </message>
    <message>
        <source>Add Item</source>
        <translation>Menüpunkt hinzufügen</translation>
    </message>
    <message>
        <source>Delete “%1”</source>
        <translation>„%1“ löschen</translation>
    </message>
    <message>
        <source>Edit Item</source>
        <translation>Menüpunkt bearbeiten</translation>
    </message>
</context>
<context>
    <name>brindle::OutputView</name>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>Modern</translation>
    </message>
    <message>
        <source>Classic: the original page, opened by mouse hover.
Modern: standard CSS in a navigation landmark, usable with the keyboard, on touch screens and on phones.</source>
        <translation>Klassisch: die ursprüngliche Seite, deren Untermenüs sich beim Überfahren mit der Maus öffnen.
Modern: Standard-CSS in einer Navigations-Landmark, bedienbar mit der Tastatur, auf Touchscreens und auf Smartphones.</translation>
    </message>
    <message>
        <source>The name screen readers give the navigation landmark</source>
        <translation>Der Name, den Screenreader für die Navigations-Landmark ansagen</translation>
    </message>
    <message>
        <source>Narrower screens show the menu as a vertical list behind a “Menu” button</source>
        <translation>Schmalere Bildschirme zeigen das Menü als senkrechte Liste hinter einer Schaltfläche „Menu“</translation>
    </message>
    <message>
        <source>Every class and id of the Modern page and of the snippet starts with it, so the menu keeps to itself in your site: letters, digits, “-” and “_”, beginning with a letter</source>
        <translation>Jede Klasse und ID der modernen Seite und des Snippets beginnt damit, damit das Menü nicht mit dem Rest Ihrer Website kollidiert: Buchstaben, Ziffern, „-“ und „_“, beginnend mit einem Buchstaben</translation>
    </message>
    <message>
        <source>style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>menu name</source>
        <translation>Menüname</translation>
    </message>
    <message>
        <source>Menu name</source>
        <translation>Menüname</translation>
    </message>
    <message>
        <source>phone layout below</source>
        <translation>mobiles Layout unter</translation>
    </message>
    <message>
        <source>Phone below</source>
        <translation>Mobil unter</translation>
    </message>
    <message>
        <source>class name</source>
        <translation>Klassenname</translation>
    </message>
    <message>
        <source>Class name</source>
        <translation>Klassenname</translation>
    </message>
    <message>
        <source>A class name holds letters, digits, “-” and “_” only: “site-nav”, not “site nav”</source>
        <translation>Ein Klassenname enthält nur Buchstaben, Ziffern, „-“ und „_“: „site-nav“, nicht „site nav“</translation>
    </message>
    <message>
        <source>The class name cannot be empty; it stays “%1”</source>
        <translation>Der Klassenname darf nicht leer sein; es bleibt bei „%1“</translation>
    </message>
    <message>
        <source>“%1” is not a class name: it must begin with a letter; it stays “%2”</source>
        <translation>„%1“ ist kein Klassenname: Er muss mit einem Buchstaben beginnen; es bleibt bei „%2“</translation>
    </message>
    <message>
        <source>From the page</source>
        <translation>Wie die Seite</translation>
    </message>
    <message>
        <source>Left to right</source>
        <translation>Links nach rechts</translation>
    </message>
    <message>
        <source>Right to left</source>
        <translation>Rechts nach links</translation>
    </message>
    <message>
        <source>From the page: the menu reads as the page around it does, right to left on an Arabic or Hebrew page. The other two fix the direction on the menu itself.</source>
        <translation>Wie die Seite: Das Menü liest sich wie die Seite um es herum, auf einer arabischen oder hebräischen Seite also von rechts nach links. Die anderen beiden legen die Richtung am Menü selbst fest.</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Classic pages show two levels: the menu’s third level stays in the design but is not on the page.</source>
        <translation>Klassische Seiten zeigen zwei Ebenen: Die dritte Ebene des Menüs bleibt im Entwurf, steht aber nicht auf der Seite.</translation>
    </message>
</context>
<context>
    <name>brindle::PreviewArea</name>
    <message>
        <source>&amp;Desktop Width</source>
        <translation>&amp;Desktop-Breite</translation>
    </message>
    <message>
        <source>&amp;Tablet Width (768 px)</source>
        <translation>&amp;Tablet-Breite (768 px)</translation>
    </message>
    <message>
        <source>&amp;Phone Width (375 px)</source>
        <translation>Smart&amp;phone-Breite (375 px)</translation>
    </message>
    <message>
        <source>Preview width</source>
        <translation>Vorschaubreite</translation>
    </message>
</context>
<context>
    <name>brindle::ProjectActions</name>
    <message>
        <source>Save Failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>The project could not be saved to “%1”: %2</source>
        <translation>Das Projekt konnte nicht unter „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>Öffnen fehlgeschlagen</translation>
    </message>
    <message>
        <source>The project “%1” could not be opened: %2</source>
        <translation>Das Projekt „%1“ konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Design Not Used</source>
        <translation>Design nicht verwendet</translation>
    </message>
    <message>
        <source>The design could not be used: %1</source>
        <translation>Das Design konnte nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 geöffnet</translation>
    </message>
    <message>
        <source>Opened %1; one icon is kept under a new name</source>
        <translation>%1 geöffnet; ein Symbol hat einen neuen Namen erhalten</translation>
    </message>
    <message>
        <source>Opened %1; %2 icons are kept under new names</source>
        <translation>%1 geöffnet; %2 Symbole haben neue Namen erhalten</translation>
    </message>
    <message>
        <source>Opened %1 without one of its icons</source>
        <translation>%1 ohne eines seiner Symbole geöffnet</translation>
    </message>
    <message>
        <source>Opened %1 without %2 of its icons</source>
        <translation>%1 ohne %2 seiner Symbole geöffnet</translation>
    </message>
    <message>
        <source>Items Without Titles</source>
        <translation>Menüpunkte ohne Titel</translation>
    </message>
    <message>
        <source>%1 was opened, but one item has no title: its link says nothing to visitors.</source>
        <translation>%1 wurde geöffnet, aber ein Menüpunkt hat keinen Titel: Sein Link sagt Besuchern nichts.</translation>
    </message>
    <message>
        <source>%1 was opened, but %2 items have no title: their links say nothing to visitors.</source>
        <translation>%1 wurde geöffnet, aber %2 Menüpunkte haben keinen Titel: Deren Links sagen Besuchern nichts.</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 weitere</translation>
    </message>
    <message>
        <source>Give a title to %1.</source>
        <translation>Bitte vergeben Sie einen Titel für: %1.</translation>
    </message>
    <message>
        <source>Icons Left Out</source>
        <translation>Symbole ausgelassen</translation>
    </message>
    <message>
        <source>%1 was opened, but one icon could not be used.</source>
        <translation>%1 wurde geöffnet, aber ein Symbol konnte nicht verwendet werden.</translation>
    </message>
    <message>
        <source>%1 was opened, but %2 icons could not be used.</source>
        <translation>%1 wurde geöffnet, aber %2 Symbole konnten nicht verwendet werden.</translation>
    </message>
    <message>
        <source>… and %1 more.</source>
        <translation>… und %1 weitere.</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>The page could not be written to “%1”: %2</source>
        <translation>Die Seite konnte nicht nach „%1“ geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>%1 exportiert</translation>
    </message>
    <message>
        <source>The stylesheet could not be written to “%1”: %2</source>
        <translation>Das Stylesheet konnte nicht nach „%1“ geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Nach %1 exportiert</translation>
    </message>
    <message>
        <source>Not every file could be exported to “%1”:
%2</source>
        <translation>Nicht alle Dateien konnten nach „%1“ exportiert werden:
%2</translation>
    </message>
    <message>
        <source>Exported the menu to %1; %2 says what goes into your page</source>
        <translation>Menü nach %1 exportiert; %2 beschreibt, was in Ihre Seite gehört</translation>
    </message>
    <message>
        <source>Replace Files?</source>
        <translation>Dateien ersetzen?</translation>
    </message>
    <message>
        <source>“%1” already holds files of these names. Replace them with the menu’s?</source>
        <translation>„%1“ enthält bereits Dateien mit diesen Namen. Sollen sie durch die Dateien des Menüs ersetzt werden?</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>Copied the menu&apos;s HTML; the comment at its top says what else your page needs</source>
        <translation>HTML des Menüs kopiert; der Kommentar am Anfang beschreibt, was Ihre Seite sonst noch braucht</translation>
    </message>
    <message>
        <source>Copied the menu&apos;s CSS</source>
        <translation>CSS des Menüs kopiert</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <source>“%1” already exists. Do you want to replace it?</source>
        <translation>„%1“ ist bereits vorhanden. Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Projekt öffnen</translation>
    </message>
    <message>
        <source>Export HTML</source>
        <translation>HTML exportieren</translation>
    </message>
    <message>
        <source>Export CSS</source>
        <translation>CSS exportieren</translation>
    </message>
    <message>
        <source>Export All Files</source>
        <translation>Alle Dateien exportieren</translation>
    </message>
    <message>
        <source>Export Snippet</source>
        <translation>Snippet exportieren</translation>
    </message>
    <message>
        <source>Brindle projects (*.brindleprj)</source>
        <translation>Brindle-Projekte (*.brindleprj)</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>Import Menu</source>
        <translation>Menü importieren</translation>
    </message>
    <message>
        <source>Pages, sitemaps and outlines (*.html *.htm *.xhtml *.xml *.md *.markdown *.txt);;All files (*)</source>
        <translation>Seiten, Sitemaps und Gliederungen (*.html *.htm *.xhtml *.xml *.md *.markdown *.txt);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>brindle::QuickBackgroundPanel</name>
    <message>
        <source>Background (Normal)</source>
        <translation>Hintergrund (Normal)</translation>
    </message>
    <message>
        <source>Background (Hover)</source>
        <translation>Hintergrund (Hover)</translation>
    </message>
    <message>
        <source>Background (Active)</source>
        <translation>Hintergrund (Aktiv)</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>Sub-menu</source>
        <translation>Untermenü</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>background colour</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>text brightness</source>
        <translation>Texthelligkeit</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>No brightness of this text colour reads on its background: choose another background colour</source>
        <translation>Keine Helligkeit dieser Textfarbe ist auf ihrem Hintergrund lesbar: Wählen Sie eine andere Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Text at %1 % would not read on its background; %2 % is the nearest that does</source>
        <translation>Text mit %1 % wäre auf seinem Hintergrund nicht lesbar; %2 % ist der nächste lesbare Wert</translation>
    </message>
</context>
<context>
    <name>brindle::QuickModeGeneralView</name>
    <message>
        <source>Square</source>
        <translation>Eckig</translation>
    </message>
    <message>
        <source>Rounded</source>
        <translation>Abgerundet</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Rund</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>corner shape</source>
        <translation>Eckenform</translation>
    </message>
    <message>
        <source>Corners</source>
        <translation>Ecken</translation>
    </message>
</context>
<context>
    <name>brindle::QuickModeView</name>
    <message>
        <source>menu colour</source>
        <translation>Menüfarbe</translation>
    </message>
    <message>
        <source>Menu colour</source>
        <translation>Menüfarbe</translation>
    </message>
    <message>
        <source>No text colour of this hue reads on the %1 background: choose another menu colour, or set the text in the Main Menu mode</source>
        <translation>Keine Textfarbe dieses Farbtons ist auf dem Hintergrund (%1) lesbar: Wählen Sie eine andere Menüfarbe oder legen Sie den Text im Modus „Hauptmenü“ fest</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>hover</source>
        <translation>Hover</translation>
    </message>
    <message>
        <source>active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>Normal</translation>
    </message>
</context>
<context>
    <name>brindle::RecentMenuController</name>
    <message>
        <source>Project Not Found</source>
        <translation>Projekt nicht gefunden</translation>
    </message>
    <message>
        <source>The project “%1” can no longer be found. It was moved or deleted, and has been removed from the recent projects.</source>
        <translation>Das Projekt „%1“ wurde nicht mehr gefunden. Es wurde verschoben oder gelöscht und aus der Liste der zuletzt geöffneten Projekte entfernt.</translation>
    </message>
</context>
<context>
    <name>brindle::RecoveryFile</name>
    <message>
        <source>The folder “%1” cannot be made.</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The recovery file is in use.</source>
        <translation>Die Wiederherstellungsdatei wird bereits verwendet.</translation>
    </message>
</context>
<context>
    <name>brindle::RelatedAppsSheet</name>
    <message>
        <source>Related Applications</source>
        <translation>Verwandte Anwendungen</translation>
    </message>
    <message>
        <source>A fast editor for HTML, CSS and JavaScript, with snippets and syntax highlighting.</source>
        <translation>Ein schneller Editor für HTML, CSS und JavaScript mit Snippets und Syntaxhervorhebung.</translation>
    </message>
    <message>
        <source>A light editor for web pages and code, with a symbol list and build commands.</source>
        <translation>Ein schlanker Editor für Webseiten und Code mit Symbolliste und Build-Befehlen.</translation>
    </message>
    <message>
        <source>A browser with tools for inspecting layouts, styles and scripts.</source>
        <translation>Ein Browser mit Werkzeugen zum Untersuchen von Layouts, Stilen und Skripten.</translation>
    </message>
    <message>
        <source>Edits photos and draws bitmap images such as menu icons.</source>
        <translation>Bearbeitet Fotos und zeichnet Bitmap-Bilder wie Menüsymbole.</translation>
    </message>
    <message>
        <source>Draws scalable vector graphics for icons and logos.</source>
        <translation>Zeichnet skalierbare Vektorgrafiken für Symbole und Logos.</translation>
    </message>
    <message>
        <source>Uploads a finished site to a web server over FTP and SFTP.</source>
        <translation>Lädt eine fertige Website per FTP oder SFTP auf einen Webserver hoch.</translation>
    </message>
    <message>
        <source>Picks colours from anywhere on the screen and keeps palettes.</source>
        <translation>Nimmt Farben von beliebigen Stellen des Bildschirms auf und verwaltet Paletten.</translation>
    </message>
</context>
<context>
    <name>brindle::SeparatorView</name>
    <message>
        <source>Separator</source>
        <translation>Trennlinie</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>lines between items</source>
        <translation>Linien zwischen Menüpunkten</translation>
    </message>
    <message>
        <source>Lines between items</source>
        <translation>Zwischen Menüpunkten</translation>
    </message>
</context>
<context>
    <name>brindle::ShadowPanel</name>
    <message>
        <source>Drop Shadow</source>
        <translation>Schlagschatten</translation>
    </message>
    <message>
        <source>Inner Shadow</source>
        <translation>Innenschatten</translation>
    </message>
    <message>
        <source>Text Shadow 1</source>
        <translation>Textschatten 1</translation>
    </message>
    <message>
        <source>Text Shadow 2</source>
        <translation>Textschatten 2</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>X offset</source>
        <translation>X-Versatz</translation>
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
        <translation>Y-Versatz</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
</context>
<context>
    <name>brindle::ShapePanel</name>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>Sub-menu</source>
        <translation>Untermenü</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>corner radius</source>
        <translation>Eckenradius</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>border size</source>
        <translation>Rahmenstärke</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>border colour</source>
        <translation>Rahmenfarbe</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
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
        <translation>Innenabstand links und rechts koppeln</translation>
    </message>
    <message>
        <source>Unlock left and right padding</source>
        <translation>Innenabstand links und rechts entkoppeln</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>left padding</source>
        <translation>Innenabstand links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>right padding</source>
        <translation>Innenabstand rechts</translation>
    </message>
    <message>
        <source>Lock top and bottom padding together</source>
        <translation>Innenabstand oben und unten koppeln</translation>
    </message>
    <message>
        <source>Unlock top and bottom padding</source>
        <translation>Innenabstand oben und unten entkoppeln</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>top padding</source>
        <translation>Innenabstand oben</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>bottom padding</source>
        <translation>Innenabstand unten</translation>
    </message>
    <message>
        <source>Padding</source>
        <translation>Innenabstand</translation>
    </message>
    <message>
        <source>While closed, Left and Right move together</source>
        <translation>Bei geschlossenem Schloss ändern sich „Links“ und „Rechts“ gemeinsam</translation>
    </message>
    <message>
        <source>While closed, Top and Bottom move together</source>
        <translation>Bei geschlossenem Schloss ändern sich „Oben“ und „Unten“ gemeinsam</translation>
    </message>
    <message>
        <source>Preview in Firefox</source>
        <translation>Vorschau in Firefox</translation>
    </message>
    <message>
        <source>Firefox was not found on this computer.</source>
        <translation>Firefox wurde auf diesem Computer nicht gefunden.</translation>
    </message>
    <message>
        <source>The preview is not ready yet.</source>
        <translation>Die Vorschau ist noch nicht bereit.</translation>
    </message>
    <message>
        <source>Firefox could not be started.</source>
        <translation>Firefox konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Firefox (%1) could not be started.</source>
        <translation>Firefox (%1) konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>brindle::SourceCodeArea</name>
    <message>
        <source>Stylesheet source</source>
        <translation>Stylesheet-Quelltext</translation>
    </message>
    <message>
        <source>HTML source</source>
        <translation>HTML-Quelltext</translation>
    </message>
</context>
<context>
    <name>brindle::TextColorPanel</name>
    <message>
        <source>colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>brindle::TextView</name>
    <message>
        <source>Main Menu Text</source>
        <translation>Hauptmenütext</translation>
    </message>
    <message>
        <source>font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Sub Menu Text</source>
        <translation>Untermenütext</translation>
    </message>
</context>
<context>
    <name>brindle::WorkspaceModes</name>
    <message>
        <source>&amp;Menu Structure</source>
        <translation>&amp;Menüstruktur</translation>
    </message>
    <message>
        <source>Edit the menu items, their links and icons</source>
        <translation>Menüpunkte mit ihren Links und Symbolen bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Quick Mode</source>
        <translation>&amp;Schnellmodus</translation>
    </message>
    <message>
        <source>Style the whole menu from a few colours</source>
        <translation>Das ganze Menü aus wenigen Farben gestalten</translation>
    </message>
    <message>
        <source>Ma&amp;in Menu</source>
        <translation>&amp;Hauptmenü</translation>
    </message>
    <message>
        <source>Style the menu bar: normal, hover and active</source>
        <translation>Menüleiste gestalten: Normal, Hover und Aktiv</translation>
    </message>
    <message>
        <source>&amp;Sub-Menu</source>
        <translation>&amp;Untermenü</translation>
    </message>
    <message>
        <source>Style the drop-down lists: normal, hover and active</source>
        <translation>Aufklapplisten gestalten: Normal, Hover und Aktiv</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
</TS>
