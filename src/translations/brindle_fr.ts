<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AccessibleWidgets</name>
    <message>
        <source>%1, %2% opaque</source>
        <translation>%1, opaque à %2&#xa0;%</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
</context>
<context>
    <name>AppInfo</name>
    <message>
        <source>Copyright © 2026 The Brindle developers</source>
        <translation>Copyright © 2026 Les développeurs de Brindle</translation>
    </message>
    <message>
        <source>Released under the MIT License.</source>
        <translation>Distribué sous licence MIT.</translation>
    </message>
</context>
<context>
    <name>Contrast</name>
    <message>
        <source>hover background</source>
        <translation>fond au survol</translation>
    </message>
    <message>
        <source>active background</source>
        <translation>fond actif</translation>
    </message>
    <message>
        <source>background</source>
        <translation>fond</translation>
    </message>
    <message>
        <source>start</source>
        <translation>(début)</translation>
    </message>
    <message>
        <source>end</source>
        <translation>(fin)</translation>
    </message>
    <message>
        <source>stop %1</source>
        <translation>(arrêt %1)</translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <translation>%1 par-dessus le %2</translation>
    </message>
    <message>
        <source>icon of “%1”</source>
        <translation>icône de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>drop-down arrow</source>
        <translation>flèche déroulante</translation>
    </message>
</context>
<context>
    <name>DesignApplier</name>
    <message>
        <source>The icon %1 of %2 %3</source>
        <translation>L’icône %1 de %2 %3</translation>
    </message>
    <message>
        <source>was left out: there is no preview folder.</source>
        <translation>n’a pas été utilisée&#xa0;: il n’y a pas de dossier d’aperçu.</translation>
    </message>
    <message>
        <source>cannot be decoded and was left out.</source>
        <translation>ne peut pas être décodée et n’a pas été utilisée.</translation>
    </message>
    <message>
        <source>cannot be encoded and was left out.</source>
        <translation>ne peut pas être encodée et n’a pas été utilisée.</translation>
    </message>
    <message>
        <source>cannot be written to the preview folder (%1) and was left out.</source>
        <translation>ne peut pas être écrite dans le dossier d’aperçu (%1) et n’a pas été utilisée.</translation>
    </message>
    <message>
        <source>The icon %1 of %2 is kept as %3: another picture has its name.</source>
        <translation>L’icône %1 de %2 est conservée sous le nom %3&#xa0;: une autre image porte son nom.</translation>
    </message>
    <message>
        <source>The SVG icon %1 of %2 cannot be written to the preview folder (%3); its pictures stand for it.</source>
        <translation>Impossible d’écrire l’icône SVG %1 de %2 dans le dossier d’aperçu (%3)&#xa0;; ses images la remplacent.</translation>
    </message>
    <message>
        <source>item %1 of the bar</source>
        <translation>l’élément %1 de la barre</translation>
    </message>
    <message>
        <source>item %1 under %2</source>
        <translation>l’élément %1 sous %2</translation>
    </message>
</context>
<context>
    <name>DesignGallery</name>
    <message>
        <source>the design is not a project file</source>
        <translation>le design n’est pas un fichier de projet</translation>
    </message>
    <message>
        <source>a design needs a name</source>
        <translation>un design doit avoir un nom</translation>
    </message>
    <message>
        <source>a name cannot begin or end with a space</source>
        <translation>un nom ne peut ni commencer ni finir par un espace</translation>
    </message>
    <message>
        <source>a name may have at most %1 characters</source>
        <translation>un nom ne peut pas dépasser %1 caractères</translation>
    </message>
    <message>
        <source>a name cannot begin with a full stop</source>
        <translation>un nom ne peut pas commencer par un point</translation>
    </message>
    <message>
        <source>a name cannot hold “%1”</source>
        <translation>un nom ne peut pas contenir «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>built-in designs cannot be renamed</source>
        <translation>les designs intégrés ne peuvent pas être renommés</translation>
    </message>
    <message>
        <source>a design called “%1” exists</source>
        <translation>un design nommé «&#xa0;%1&#xa0;» existe déjà</translation>
    </message>
    <message>
        <source>the design file cannot be renamed</source>
        <translation>impossible de renommer le fichier du design</translation>
    </message>
    <message>
        <source>built-in designs cannot be removed</source>
        <translation>les designs intégrés ne peuvent pas être supprimés</translation>
    </message>
    <message>
        <source>the design file cannot be removed</source>
        <translation>impossible de supprimer le fichier du design</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>“%1” could not be written: %2</source>
        <translation>Impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>The icon “%1” was not copied: its name is not a plain file name.</source>
        <translation>L’icône «&#xa0;%1&#xa0;» n’a pas été copiée&#xa0;: son nom n’est pas un simple nom de fichier.</translation>
    </message>
    <message>
        <source>The icon “%1” was not copied: %2</source>
        <translation>L’icône «&#xa0;%1&#xa0;» n’a pas été copiée&#xa0;: %2</translation>
    </message>
    <message>
        <source>The icons were not copied: there is no preview folder.</source>
        <translation>Les icônes n’ont pas été copiées&#xa0;: il n’y a pas de dossier d’aperçu.</translation>
    </message>
    <message>
        <source>%1 holds files of the same name: %2</source>
        <translation>%1 contient déjà des fichiers du même nom&#xa0;: %2</translation>
    </message>
    <message>
        <source>Classic pages show two levels: the menu’s third level stays in the design but is not on the page. The Modern style shows it.</source>
        <translation>Les pages classiques montrent deux niveaux : le troisième niveau du menu reste dans le modèle mais n’est pas sur la page. Le style Moderne le montre.</translation>
    </message>
</context>
<context>
    <name>GradientSettings</name>
    <message>
        <source>sub-menu</source>
        <translation>sous-menu</translation>
    </message>
    <message>
        <source>main menu</source>
        <translation>menu principal</translation>
    </message>
    <message>
        <source>hover</source>
        <translation>survol</translation>
    </message>
    <message>
        <source>active</source>
        <translation>actif</translation>
    </message>
    <message>
        <source>background</source>
        <translation>fond</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texte</translation>
    </message>
</context>
<context>
    <name>IconFiles</name>
    <message>
        <source>the picture cannot be encoded</source>
        <translation>impossible d’encoder l’image</translation>
    </message>
</context>
<context>
    <name>IconImporter</name>
    <message>
        <source>The preview folder is not available.</source>
        <translation>Le dossier d’aperçu n’est pas disponible.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Impossible de lire le fichier.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>Le fichier dépasse %1 MB.</translation>
    </message>
    <message>
        <source>The file cannot be read (%1).</source>
        <translation>Impossible de lire le fichier (%1).</translation>
    </message>
    <message>
        <source>It is not a PNG, JPEG or GIF picture.</source>
        <translation>Ce n’est pas une image PNG, JPEG ou GIF.</translation>
    </message>
    <message>
        <source>The picture cannot be decoded, or it is larger than %1 pixels on a side or %2 million pixels in all.</source>
        <translation>Impossible de décoder l’image, ou elle dépasse %1 pixels de côté ou %2 millions de pixels au total.</translation>
    </message>
    <message>
        <source>An SVG icon goes into the Icon field; it is sharp at every size without a double-resolution file.</source>
        <translation>Une icône SVG se place dans le champ Icône&#xa0;; elle est nette à toutes les tailles sans fichier double résolution.</translation>
    </message>
    <message>
        <source>It cannot be encoded for the preview folder.</source>
        <translation>Impossible d’encoder l’icône pour le dossier d’aperçu.</translation>
    </message>
    <message>
        <source>It cannot be copied into the preview folder (%1).</source>
        <translation>Impossible de copier l’icône dans le dossier d’aperçu (%1).</translation>
    </message>
    <message>
        <source>It cannot be used: %1.</source>
        <translation>Impossible d’utiliser l’icône&#xa0;: %1.</translation>
    </message>
    <message>
        <source>It is %1 × %2 px large; a menu icon is at most %3 px on a side.</source>
        <translation>L’icône mesure %1 × %2 px&#xa0;; une icône de menu mesure au plus %3 px de côté.</translation>
    </message>
    <message>
        <source>It cannot be drawn.</source>
        <translation>Impossible de dessiner l’icône.</translation>
    </message>
</context>
<context>
    <name>MenuImport</name>
    <message>
        <source>The page cannot be read.</source>
        <translation>La page ne peut pas être lue.</translation>
    </message>
    <message>
        <source>The page has no navigation and no list of links.</source>
        <translation>La page n’a ni navigation ni liste de liens.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>Le fichier dépasse %1 Mo.</translation>
    </message>
    <message>
        <source>No menu items were found in the file.</source>
        <translation>Aucun élément de menu n’a été trouvé dans le fichier.</translation>
    </message>
    <message>
        <source>The menu has %1 items; a menu holds at most %2.</source>
        <translation>Le menu compte %1 éléments ; un menu en contient au plus %2.</translation>
    </message>
    <message>
        <source>Items deeper than %1 levels, placed in level %1: %2</source>
        <translation>Éléments au-delà de %1 niveaux, placés au niveau %1 : %2</translation>
    </message>
    <message>
        <source>Items without a title, left out: %1</source>
        <translation>Éléments sans titre, écartés : %1</translation>
    </message>
    <message>
        <source>Script links, left out (their items kept without a link): %1</source>
        <translation>Liens de script, écartés (leurs éléments sont gardés sans lien) : %1</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>Le fichier ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>The file is a sitemap index: import one of the sitemaps it lists.</source>
        <translation>Le fichier est un index de plans de site : importez l’un des plans qu’il répertorie.</translation>
    </message>
    <message>
        <source>The file is not a sitemap (a urlset of sitemaps.org).</source>
        <translation>Le fichier n’est pas un plan de site (un urlset de sitemaps.org).</translation>
    </message>
    <message>
        <source>The sitemap cannot be read: %1 (line %2).</source>
        <translation>Le plan de site ne peut pas être lu : %1 (ligne %2).</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Addresses listed twice, taken once: %1</source>
        <translation>Adresses répétées, reprises une seule fois : %1</translation>
    </message>
    <message>
        <source>Entries that are not web addresses, left out: %1</source>
        <translation>Entrées qui ne sont pas des adresses web, écartées : %1</translation>
    </message>
    <message>
        <source>The sitemap lists no web addresses.</source>
        <translation>Le plan de site ne contient aucune adresse web.</translation>
    </message>
</context>
<context>
    <name>MenuStructureView</name>
    <message>
        <source>A menu item needs a title: a link without one says nothing to visitors.</source>
        <translation>Un élément de menu doit avoir un titre&#xa0;: un lien sans titre ne dit rien aux visiteurs.</translation>
    </message>
</context>
<context>
    <name>PageOpener</name>
    <message>
        <source>Page Not Opened</source>
        <translation>Page non ouverte</translation>
    </message>
    <message>
        <source>The page could not be opened in a browser: %1</source>
        <translation>Impossible d’ouvrir la page dans un navigateur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Open it by hand:
%1</source>
        <translation>Ouvrez-la manuellement&#xa0;:
%1</translation>
    </message>
    <message>
        <source>the desktop&apos;s opener (xdg-open) is missing.</source>
        <translation>l’outil d’ouverture du bureau (xdg-open) est introuvable.</translation>
    </message>
    <message>
        <source>the desktop&apos;s opener (xdg-open) ended with error %1.</source>
        <translation>l’outil d’ouverture du bureau (xdg-open) s’est terminé avec l’erreur %1.</translation>
    </message>
</context>
<context>
    <name>PreviewFolder</name>
    <message>
        <source>the name is reserved for Brindle&apos;s own use</source>
        <translation>le nom est réservé à l’usage interne de Brindle</translation>
    </message>
    <message>
        <source>the preview folder&apos;s file list cannot be written</source>
        <translation>la liste des fichiers du dossier d’aperçu ne peut pas être écrite</translation>
    </message>
    <message>
        <source>the old script cannot be removed</source>
        <translation>l’ancien script ne peut pas être supprimé</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>the file cannot be read: </source>
        <translation>impossible de lire le fichier&#xa0;: </translation>
    </message>
    <message>
        <source>the file is too large to be a project file</source>
        <translation>le fichier est trop volumineux pour être un fichier de projet</translation>
    </message>
    <message>
        <source>the file is not a property list</source>
        <translation>le fichier n’est pas une liste de propriétés</translation>
    </message>
    <message>
        <source>the file is a property list but not an array</source>
        <translation>le fichier est une liste de propriétés, mais pas un tableau</translation>
    </message>
</context>
<context>
    <name>ProjectReader</name>
    <message>
        <source>the file ends early: %1 is missing</source>
        <translation>le fichier se termine trop tôt&#xa0;: il manque %1</translation>
    </message>
    <message>
        <source>element %1 (%2) should be %3 but is %4</source>
        <translation>l’entrée %1 (%2) devrait être %3, mais est %4</translation>
    </message>
    <message>
        <source>element %1 (%2) holds %3, which is out of range</source>
        <translation>l’entrée %1 (%2) contient %3, une valeur hors limites</translation>
    </message>
    <message>
        <source>element %1 (%2) is not a finite number</source>
        <translation>l’entrée %1 (%2) n’est pas un nombre fini</translation>
    </message>
    <message>
        <source>element %1 (%2) is negative: %3</source>
        <translation>l’entrée %1 (%2) est négative&#xa0;: %3</translation>
    </message>
    <message>
        <source>element %1 (%2) claims %3 items, more than the file holds</source>
        <translation>l’entrée %1 (%2) annonce %3 éléments, plus que le fichier n’en contient</translation>
    </message>
    <message>
        <source>which is not valid UTF-8 text</source>
        <translation>qui n’est pas un texte UTF-8 valide</translation>
    </message>
    <message>
        <source>which is longer than a file name may be (%1 bytes)</source>
        <translation>qui dépasse la longueur permise pour un nom de fichier (%1 octets)</translation>
    </message>
    <message>
        <source>which is not a plain file name or is reserved for a generated file</source>
        <translation>qui n’est pas un simple nom de fichier ou qui est réservé à un fichier généré</translation>
    </message>
    <message>
        <source>, file name</source>
        <translation>, nom de fichier</translation>
    </message>
    <message>
        <source>%1 has the file name %2, %3</source>
        <translation>%1 a pour nom de fichier %2, %3</translation>
    </message>
    <message>
        <source>, icon class</source>
        <translation>, classe de l’icône</translation>
    </message>
    <message>
        <source>, icon gap</source>
        <translation>, espacement de l’icône</translation>
    </message>
    <message>
        <source>, double-resolution icon</source>
        <translation>, icône double résolution</translation>
    </message>
    <message>
        <source>number of menu items</source>
        <translation>nombre d’éléments de menu</translation>
    </message>
    <message>
        <source>menu item %1</source>
        <translation>élément de menu %1</translation>
    </message>
    <message>
        <source>, number of sub-items</source>
        <translation>, nombre de sous-éléments</translation>
    </message>
    <message>
        <source>the file has %1 unexpected elements after its last menu item</source>
        <translation>le fichier contient %1 entrées inattendues après son dernier élément de menu</translation>
    </message>
    <message>
        <source>%1 should be a dictionary but is %2</source>
        <translation>%1 devrait être un dictionnaire, mais est %2</translation>
    </message>
    <message>
        <source>%1 has the unknown key %2</source>
        <translation>%1 contient la clé inconnue %2</translation>
    </message>
    <message>
        <source>%1 has no SVG document as UTF-8 text</source>
        <translation>%1 ne contient pas de document SVG en texte UTF-8</translation>
    </message>
    <message>
        <source>%1 has no SVG file name</source>
        <translation>%1 n’a pas de nom de fichier SVG</translation>
    </message>
    <message>
        <source>%1 has the file name %2, which does not end in “.svg”</source>
        <translation>%1 a pour nom de fichier %2, qui ne se termine pas par «&#xa0;.svg&#xa0;»</translation>
    </message>
    <message>
        <source>%1 says whether it follows the text colour with %2, not a boolean</source>
        <translation>%1 indique le suivi de la couleur du texte par %2 et non par un booléen</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>%1 est inutilisable&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 holds what an icon must not: %2</source>
        <translation>%1 contient ce qu’une icône ne doit pas contenir&#xa0;: %2</translation>
    </message>
    <message>
        <source>the items section should be a dictionary but is %1</source>
        <translation>la section des éléments devrait être un dictionnaire, mais est %1</translation>
    </message>
    <message>
        <source>the icon of item %1</source>
        <translation>l’icône de l’élément %1</translation>
    </message>
    <message>
        <source>the items section names %1, which the menu does not have</source>
        <translation>la section des éléments mentionne %1, qui n’existe pas dans le menu</translation>
    </message>
    <message>
        <source>%1 is an SVG without its two pictures</source>
        <translation>%1 est un SVG sans ses deux images</translation>
    </message>
    <message>
        <source>the last element should be a dictionary of output options but is %1</source>
        <translation>la dernière entrée devrait être un dictionnaire d’options de sortie, mais est %1</translation>
    </message>
    <message>
        <source>the output style is not “classic” or “modern”</source>
        <translation>le style de sortie n’est ni «&#xa0;classic&#xa0;» ni «&#xa0;modern&#xa0;»</translation>
    </message>
    <message>
        <source>the navigation label is not a text that names something</source>
        <translation>le nom du repère de navigation n’est pas un texte qui nomme quelque chose</translation>
    </message>
    <message>
        <source>the phone breakpoint is not a width from %1 to %2 pixels</source>
        <translation>le seuil de la mise en page mobile n’est pas une largeur de %1 à %2 pixels</translation>
    </message>
    <message>
        <source>the class name is not a CSS class name of up to %1 letters, digits, “-” and “_”</source>
        <translation>le nom de classe n’est pas un nom de classe CSS d’au plus %1 lettres, chiffres, «&#xa0;-&#xa0;» et «&#xa0;_&#xa0;»</translation>
    </message>
    <message>
        <source>the file has no version, so it is not a project file</source>
        <translation>le fichier n’a pas de version&#xa0;: ce n’est donc pas un fichier de projet</translation>
    </message>
    <message>
        <source>the file has the version %1, which this application cannot read</source>
        <translation>le fichier est en version %1, que cette application ne sait pas lire</translation>
    </message>
    <message>
        <source>the file ends early: it has %1 elements, too few for the settings and the number of menu items</source>
        <translation>le fichier se termine trop tôt&#xa0;: ses %1 entrées ne suffisent pas pour les réglages et le nombre d’éléments de menu</translation>
    </message>
    <message>
        <source>the menu&apos;s direction is not “page”, “ltr” or “rtl”</source>
        <translation>la direction du menu n’est pas « page », « ltr » ou « rtl »</translation>
    </message>
    <message>
        <source>setting %1</source>
        <translation>réglage %1</translation>
    </message>
    <message>
        <source>, present</source>
        <translation>, présence</translation>
    </message>
    <message>
        <source>, image</source>
        <translation>, image</translation>
    </message>
    <message>
        <source>, title</source>
        <translation>, titre</translation>
    </message>
    <message>
        <source>, link</source>
        <translation>, lien</translation>
    </message>
    <message>
        <source>, icon</source>
        <translation>, icône</translation>
    </message>
    <message>
        <source>sub-item %1 of %2</source>
        <translation>sous-élément %1 dans %2</translation>
    </message>
    <message>
        <source>the current page&apos;s look is not “active”, “hover” or “plain”</source>
        <translation>l’aspect de la page actuelle n’est pas « active », « hover » ou « plain »</translation>
    </message>
</context>
<context>
    <name>PropertyList</name>
    <message>
        <source>an integer</source>
        <translation>un entier</translation>
    </message>
    <message>
        <source>a real number</source>
        <translation>un nombre réel</translation>
    </message>
    <message>
        <source>a boolean</source>
        <translation>un booléen</translation>
    </message>
    <message>
        <source>a dictionary</source>
        <translation>un dictionnaire</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>un tableau</translation>
    </message>
    <message>
        <source>a date</source>
        <translation>une date</translation>
    </message>
    <message>
        <source>a key</source>
        <translation>une clé</translation>
    </message>
    <message>
        <source>an identifier</source>
        <translation>un identifiant</translation>
    </message>
    <message>
        <source>an unknown element</source>
        <translation>un élément inconnu</translation>
    </message>
    <message>
        <source>text</source>
        <translation>du texte</translation>
    </message>
    <message>
        <source>data</source>
        <translation>des données</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
</context>
<context>
    <name>SvgCleaner</name>
    <message>
        <source>processing instruction</source>
        <translation>instruction de traitement</translation>
    </message>
    <message>
        <source>a element&apos;s link</source>
        <translation>lien d’un élément a</translation>
    </message>
    <message>
        <source>id value a reference cannot name</source>
        <translation>valeur d’id qu’une référence ne peut pas désigner</translation>
    </message>
    <message>
        <source>repeated id</source>
        <translation>id en double</translation>
    </message>
    <message>
        <source> value reaching outside the file</source>
        <translation> (valeur pointant hors du fichier)</translation>
    </message>
    <message>
        <source>link outside the file</source>
        <translation>lien hors du fichier</translation>
    </message>
    <message>
        <source>link to a missing element</source>
        <translation>lien vers un élément absent</translation>
    </message>
    <message>
        <source>reference to a missing element</source>
        <translation>référence à un élément absent</translation>
    </message>
    <message>
        <source>its elements refer to each other in a circle</source>
        <translation>ses éléments se font référence en boucle</translation>
    </message>
    <message>
        <source>its references nest more than %1 deep</source>
        <translation>ses références s’imbriquent sur plus de %1 niveaux</translation>
    </message>
    <message>
        <source>its references would draw more than %1 elements</source>
        <translation>ses références dessineraient plus de %1 éléments</translation>
    </message>
    <message>
        <source>%1 element</source>
        <translation>élément %1</translation>
    </message>
    <message>
        <source>%1 attribute</source>
        <translation>attribut %1</translation>
    </message>
</context>
<context>
    <name>SvgCss</name>
    <message>
        <source>%1 style property</source>
        <translation>propriété de style %1</translation>
    </message>
    <message>
        <source>%1 style value reaching outside the file</source>
        <translation>valeur de style %1 pointant hors du fichier</translation>
    </message>
    <message>
        <source>style rule for %1</source>
        <translation>règle de style pour %1</translation>
    </message>
</context>
<context>
    <name>SvgIcon</name>
    <message>
        <source>it cannot be decompressed</source>
        <translation>elle ne peut pas être décompressée</translation>
    </message>
    <message>
        <source>it is larger than %1 KB once decompressed</source>
        <translation>elle dépasse %1 KB une fois décompressée</translation>
    </message>
    <message>
        <source>it is not a complete gzip stream</source>
        <translation>ce n’est pas un flux gzip complet</translation>
    </message>
</context>
<context>
    <name>SvgTree</name>
    <message>
        <source>it is larger than %1 KB</source>
        <translation>elle dépasse %1 KB</translation>
    </message>
    <message>
        <source>it declares a DTD or entities, which an icon never needs</source>
        <translation>elle déclare une DTD ou des entités, dont une icône n’a jamais besoin</translation>
    </message>
    <message>
        <source>its elements are nested more than %1 deep</source>
        <translation>ses éléments sont imbriqués sur plus de %1 niveaux</translation>
    </message>
    <message>
        <source>it has more than %1 elements</source>
        <translation>elle compte plus de %1 éléments</translation>
    </message>
    <message>
        <source>it is not an SVG image</source>
        <translation>ce n’est pas une image SVG</translation>
    </message>
    <message>
        <source>it is not well-formed XML (%1)</source>
        <translation>ce n’est pas du XML bien formé (%1)</translation>
    </message>
</context>
<context>
    <name>TabStripView</name>
    <message>
        <source>Menu bar state</source>
        <translation>État de la barre de menus</translation>
    </message>
    <message>
        <source>Sub-menu state</source>
        <translation>État du sous-menu</translation>
    </message>
    <message>
        <source>Source code</source>
        <translation>Code source</translation>
    </message>
    <message>
        <source>Application category</source>
        <translation>Catégorie d’applications</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hover</source>
        <translation>Survol</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Developer Tools</source>
        <translation>Développement</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Utilitaires</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Actuel</translation>
    </message>
</context>
<context>
    <name>ThumbnailCache</name>
    <message>
        <source>nothing to keep</source>
        <translation>rien à conserver</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>the picture cannot be encoded</source>
        <translation>impossible d’encoder l’image</translation>
    </message>
</context>
<context>
    <name>brindle::AboutSheet</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Navigation bars with drop-down menus, without writing code.</source>
        <translation>Barres de navigation à menus déroulants, sans écrire de code.</translation>
    </message>
</context>
<context>
    <name>brindle::ContrastBadge</name>
    <message>
        <source>Text contrast</source>
        <translation>Contraste du texte</translation>
    </message>
    <message>
        <source>The text&apos;s contrast is %1 at worst, against the %2.</source>
        <translation>Dans le pire des cas, le contraste du texte est de %1, par rapport au %2.</translation>
    </message>
    <message>
        <source>That is below %1 for text of this size, hard to read for many visitors; 3 : 1 applies from 24 px, or 18.66 px bold.</source>
        <translation>C’est moins que %1 pour un texte de cette taille, difficile à lire pour de nombreux visiteurs&#xa0;; 3 : 1 s’applique à partir de 24 px, ou de 18.66 px en gras.</translation>
    </message>
</context>
<context>
    <name>brindle::ContrastWindow</name>
    <message>
        <source>Bar</source>
        <translation>Barre</translation>
    </message>
    <message>
        <source>Sub-menu</source>
        <translation>Sous-menu</translation>
    </message>
    <message>
        <source>Hover</source>
        <translation>Survol</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>%1, %2 text</source>
        <translation>%1, texte à l’état %2</translation>
    </message>
    <message>
        <source>Check Contrast</source>
        <translation>Vérifier le contraste</translation>
    </message>
    <message>
        <source>Contrast of text, icons and arrows</source>
        <translation>Contraste du texte, des icônes et des flèches</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Needed</source>
        <translation>Requis</translation>
    </message>
    <message>
        <source>Fix in</source>
        <translation>Corriger dans</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Sub-Menu</source>
        <translation>Sous-menu</translation>
    </message>
    <message>
        <source>%1 → %2 tab</source>
        <translation>%1 → onglet %2</translation>
    </message>
    <message>
        <source>Return or a double click goes there</source>
        <translation>Appuyez sur Entrée ou double-cliquez pour y aller</translation>
    </message>
    <message>
        <source>on the %1</source>
        <translation>sur le %1</translation>
    </message>
    <message>
        <source>%1 on the %2</source>
        <translation>%1 sur le %2</translation>
    </message>
    <message>
        <source>A quarter of what it draws reaches this contrast; icons and arrows need 3 : 1.</source>
        <translation>Un quart de ce qui est dessiné atteint ce contraste&#xa0;; les icônes et les flèches demandent 3 : 1.</translation>
    </message>
</context>
<context>
    <name>brindle::CurrentPageView</name>
    <message>
        <source>Current page</source>
        <translation>Page actuelle</translation>
    </message>
    <message>
        <source>As pressed</source>
        <translation>Comme enfoncé</translation>
    </message>
    <message>
        <source>As hovered</source>
        <translation>Comme survolé</translation>
    </message>
    <message>
        <source>As the others</source>
        <translation>Comme les autres</translation>
    </message>
    <message>
        <source>How a Modern menu shows the bar&apos;s item of the page being shown, and the bar&apos;s item above a current sub-item. Your site&apos;s own aria-current=&quot;page&quot; marks work too.</source>
        <translation>Comment un menu moderne montre l’élément de la barre de la page affichée, et l’élément de la barre au-dessus d’un sous-élément actuel. Les marques aria-current=&quot;page&quot; de votre site fonctionnent aussi.</translation>
    </message>
    <message>
        <source>How a Modern menu shows the drop-down item of the page being shown.</source>
        <translation>Comment un menu moderne montre l’élément déroulant de la page affichée.</translation>
    </message>
    <message>
        <source>current page</source>
        <translation>page actuelle</translation>
    </message>
    <message>
        <source>Looks</source>
        <translation>Aspect</translation>
    </message>
</context>
<context>
    <name>brindle::DesignGalleryDialog</name>
    <message>
        <source>%1, built-in design</source>
        <translation>%1, design intégré</translation>
    </message>
    <message>
        <source>%1, your design</source>
        <translation>%1, votre design</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Choisir</translation>
    </message>
    <message>
        <source>Re&amp;name…</source>
        <translation>Re&amp;nommer…</translation>
    </message>
    <message>
        <source>&amp;Remove…</source>
        <translation>&amp;Supprimer…</translation>
    </message>
    <message>
        <source>&amp;Show this gallery when Brindle starts</source>
        <translation>Afficher cette &amp;galerie au démarrage de Brindle</translation>
    </message>
    <message>
        <source>New from Design</source>
        <translation>Nouveau d’après un design</translation>
    </message>
    <message>
        <source>Choose a design to start from. You may keep your menu or take the design&apos;s sample menu.</source>
        <translation>Choisissez un design de départ. Vous pouvez garder votre menu ou prendre le menu d’exemple du design.</translation>
    </message>
    <message>
        <source>Designs</source>
        <translation>Designs</translation>
    </message>
    <message>
        <source>Continue with:</source>
        <translation>Continuer avec&#xa0;:</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Ouvrir %1</translation>
    </message>
    <message>
        <source>Rename Design</source>
        <translation>Renommer le design</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Nouveau nom&#xa0;:</translation>
    </message>
    <message>
        <source>Design Not Renamed</source>
        <translation>Design non renommé</translation>
    </message>
    <message>
        <source>“%1” could not be renamed: %2.</source>
        <translation>Impossible de renommer «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Remove Design</source>
        <translation>Supprimer le design</translation>
    </message>
    <message>
        <source>Remove “%1” from the gallery?</source>
        <translation>Supprimer «&#xa0;%1&#xa0;» de la galerie&#xa0;?</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Design Not Removed</source>
        <translation>Design non supprimé</translation>
    </message>
    <message>
        <source>“%1” could not be removed: %2.</source>
        <translation>Impossible de supprimer «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>brindle::DesignHistory</name>
    <message>
        <source>Menu Change</source>
        <translation>Modification du menu</translation>
    </message>
    <message>
        <source>Output Options</source>
        <translation>Options de sortie</translation>
    </message>
    <message>
        <source>Style Change</source>
        <translation>Modification du style</translation>
    </message>
</context>
<context>
    <name>brindle::Document</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Recover &amp;Unsaved Work…</source>
        <translation>Récu&amp;pérer le travail non enregistré…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir %1</translation>
    </message>
    <message>
        <source>Icons Not Restored</source>
        <translation>Icônes non restaurées</translation>
    </message>
    <message>
        <source>The preview and exports may show other pictures for these icons:
%1</source>
        <translation>L’aperçu et les exportations peuvent afficher d’autres images pour ces icônes&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Unsaved work is kept for recovery again.</source>
        <translation>Le travail non enregistré est de nouveau conservé pour la récupération.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>%1[*] — Brindle</source>
        <translation>%1[*] — Brindle</translation>
    </message>
    <message>
        <source>The design</source>
        <translation>Le design</translation>
    </message>
    <message>
        <source>The unsaved work</source>
        <translation>Le travail non enregistré</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>Do you want to save the changes to “%1”?</source>
        <translation>Voulez-vous enregistrer les modifications apportées à «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them.</source>
        <translation>Vos modifications seront perdues si vous ne les enregistrez pas.</translation>
    </message>
    <message>
        <source>Recover Unsaved Work</source>
        <translation>Récupérer le travail non enregistré</translation>
    </message>
    <message>
        <source>There is no unsaved work to recover.</source>
        <translation>Il n’y a aucun travail non enregistré à récupérer.</translation>
    </message>
    <message>
        <source>Recovery Failed</source>
        <translation>Échec de la récupération</translation>
    </message>
    <message>
        <source>The unsaved work could not be read (%1); it was set aside as “%2”.</source>
        <translation>Impossible de lire le travail non enregistré (%1)&#xa0;; il a été mis de côté sous le nom «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Recovery Copy Not Written</source>
        <translation>Copie de récupération non écrite</translation>
    </message>
    <message>
        <source>The restored work could not be kept in “%1”, so its earlier copy stays there and will be offered again. Save the design to keep it.</source>
        <translation>Impossible de conserver le travail restauré dans «&#xa0;%1&#xa0;»&#xa0;: sa copie précédente y reste et vous sera proposée de nouveau. Enregistrez le design pour le conserver.</translation>
    </message>
    <message>
        <source>Unsaved work cannot be kept for recovery in %1.</source>
        <translation>Impossible de conserver le travail non enregistré pour la récupération dans %1.</translation>
    </message>
    <message>
        <source>Brindle could not keep a copy of your unsaved work in “%1”: %2
It keeps trying; save the design to be safe.</source>
        <translation>Brindle n’a pas pu conserver de copie de votre travail non enregistré dans «&#xa0;%1&#xa0;»&#xa0;: %2
Il continue d’essayer&#xa0;; par précaution, enregistrez le design.</translation>
    </message>
</context>
<context>
    <name>brindle::GalleryActions</name>
    <message>
        <source>New from &amp;Design…</source>
        <translation>Nouveau d’après un &amp;design…</translation>
    </message>
    <message>
        <source>Save Design to &amp;Gallery…</source>
        <translation>Ajouter le design à la &amp;galerie…</translation>
    </message>
    <message>
        <source>Keep Your Menu?</source>
        <translation>Garder votre menu&#xa0;?</translation>
    </message>
    <message>
        <source>Start from “%1” with your menu, or with the design&apos;s sample menu?</source>
        <translation>Partir de «&#xa0;%1&#xa0;» avec votre menu, ou avec le menu d’exemple du design&#xa0;?</translation>
    </message>
    <message>
        <source>Your menu keeps its items, links, icons and output options; only the look changes.</source>
        <translation>Votre menu garde ses éléments, ses liens, ses icônes et ses options de sortie&#xa0;; seule l’apparence change.</translation>
    </message>
    <message>
        <source>&amp;Keep My Menu</source>
        <translation>&amp;Garder mon menu</translation>
    </message>
    <message>
        <source>Use &amp;Sample Menu</source>
        <translation>Menu d’&amp;exemple</translation>
    </message>
    <message>
        <source>Save Design to Gallery</source>
        <translation>Ajouter le design à la galerie</translation>
    </message>
    <message>
        <source>Name of the design:</source>
        <translation>Nom du design&#xa0;:</translation>
    </message>
    <message>
        <source>Design Not Saved</source>
        <translation>Design non enregistré</translation>
    </message>
    <message>
        <source>The design was not saved: %1.</source>
        <translation>Le design n’a pas été enregistré&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Replace Design?</source>
        <translation>Remplacer le design&#xa0;?</translation>
    </message>
    <message>
        <source>A design called “%1” is in the gallery. Replace it?</source>
        <translation>Un design nommé «&#xa0;%1&#xa0;» existe déjà dans la galerie. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Saved “%1” to the gallery</source>
        <translation>«&#xa0;%1&#xa0;» ajouté à la galerie</translation>
    </message>
</context>
<context>
    <name>brindle::GradientPanel</name>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>start</source>
        <translation>début</translation>
    </message>
    <message>
        <source>Stop 1</source>
        <translation>Arrêt 1</translation>
    </message>
    <message>
        <source>stop 1</source>
        <translation>arrêt 1</translation>
    </message>
    <message>
        <source>Stop 2</source>
        <translation>Arrêt 2</translation>
    </message>
    <message>
        <source>stop 2</source>
        <translation>arrêt 2</translation>
    </message>
    <message>
        <source>Stop 3</source>
        <translation>Arrêt 3</translation>
    </message>
    <message>
        <source>stop 3</source>
        <translation>arrêt 3</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>end</source>
        <translation>fin</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>%1 colour</source>
        <translation>%1&#xa0;: couleur</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>%1 position</source>
        <translation>%1&#xa0;: position</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacité</translation>
    </message>
    <message>
        <source>opacity</source>
        <translation>opacité</translation>
    </message>
</context>
<context>
    <name>brindle::LeftWorkDialog</name>
    <message>
        <source>Recover Unsaved Work</source>
        <translation>Récupérer le travail non enregistré</translation>
    </message>
    <message>
        <source>Brindle ended without saving these designs. Restore one to continue where you left off; the others are kept for later.</source>
        <translation>Brindle s’est fermé sans enregistrer ces designs. Restaurez-en un pour reprendre là où vous en étiez&#xa0;; les autres sont conservés pour plus tard.</translation>
    </message>
    <message>
        <source>Unsaved designs</source>
        <translation>Designs non enregistrés</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>&amp;Discard…</source>
        <translation>&amp;Supprimer…</translation>
    </message>
    <message>
        <source>&amp;Keep for Later</source>
        <translation>&amp;Garder pour plus tard</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>%1
kept %2 — cannot be read</source>
        <translation>%1
conservé le %2 — illisible</translation>
    </message>
    <message>
        <source>1 item</source>
        <translation>1 élément</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 éléments</translation>
    </message>
    <message>
        <source>%1
kept %2 — %3: %4</source>
        <translation>%1
conservé le %2 — %3&#xa0;: %4</translation>
    </message>
    <message>
        <source>Discard Unsaved Work</source>
        <translation>Supprimer le travail non enregistré</translation>
    </message>
    <message>
        <source>Discard the unsaved work “%1”?</source>
        <translation>Supprimer le travail non enregistré «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>It cannot be brought back.</source>
        <translation>Il ne pourra pas être récupéré.</translation>
    </message>
</context>
<context>
    <name>brindle::MainWindow</name>
    <message>
        <source>Modes</source>
        <translation>Modes</translation>
    </message>
    <message>
        <source>Menu preview</source>
        <translation>Aperçu du menu</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Projets &amp;récents</translation>
    </message>
    <message>
        <source>Export &amp;HTML…</source>
        <translation>Exporter le &amp;HTML…</translation>
    </message>
    <message>
        <source>Export &amp;CSS…</source>
        <translation>Exporter le &amp;CSS…</translation>
    </message>
    <message>
        <source>Export &amp;All…</source>
        <translation>&amp;Tout exporter…</translation>
    </message>
    <message>
        <source>Export Sn&amp;ippet…</source>
        <translation>Exporter l’e&amp;xtrait…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Open in &amp;Browser</source>
        <translation>Ouvrir dans le &amp;navigateur</translation>
    </message>
    <message>
        <source>The preview is not ready yet.</source>
        <translation>L’aperçu n’est pas encore prêt.</translation>
    </message>
    <message>
        <source>Check &amp;Contrast…</source>
        <translation>Vérifier le &amp;contraste…</translation>
    </message>
    <message>
        <source>Open Check Contrast</source>
        <translation>Ouvrir la fenêtre Vérifier le contraste</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>Copy &amp;HTML</source>
        <translation>Copier le &amp;HTML</translation>
    </message>
    <message>
        <source>Copy C&amp;SS</source>
        <translation>Copier le C&amp;SS</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>Brindle &amp;Home Page</source>
        <translation>Page d’&amp;accueil de Brindle</translation>
    </message>
    <message>
        <source>&amp;Related Applications…</source>
        <translation>Applications &amp;connexes…</translation>
    </message>
    <message>
        <source>&amp;About Brindle</source>
        <translation>À &amp;propos de Brindle</translation>
    </message>
    <message>
        <source>The preview folder could not be created in %1; the preview stays empty.</source>
        <translation>Impossible de créer le dossier d’aperçu dans %1&#xa0;; l’aperçu reste vide.</translation>
    </message>
    <message>
        <source>1 text colour hard to read</source>
        <translation>1 couleur de texte peu lisible</translation>
    </message>
    <message>
        <source>%1 text colours hard to read</source>
        <translation>%1 couleurs de texte peu lisibles</translation>
    </message>
    <message>
        <source>1 icon or arrow hard to see</source>
        <translation>1 icône ou flèche peu visible</translation>
    </message>
    <message>
        <source>%1 icons or arrows hard to see</source>
        <translation>%1 icônes ou flèches peu visibles</translation>
    </message>
</context>
<context>
    <name>brindle::MenuImportActions</name>
    <message>
        <source>Import &amp;Menu…</source>
        <translation>&amp;Importer un menu…</translation>
    </message>
    <message>
        <source>Take the menu of a site&apos;s page, sitemap or outline; the style stays</source>
        <translation>Reprendre le menu d’une page, d’un plan de site ou d’une liste ; le style reste</translation>
    </message>
    <message>
        <source>Menu Not Imported</source>
        <translation>Menu non importé</translation>
    </message>
    <message>
        <source>No menu could be taken from “%1”: %2</source>
        <translation>Aucun menu n’a pu être repris de « %1 » : %2</translation>
    </message>
    <message>
        <source>Import Menu</source>
        <translation>Importer un menu</translation>
    </message>
    <message>
        <source>The menu of “%1” was imported; Undo brings the previous one back.</source>
        <translation>Le menu de « %1 » a été importé ; Annuler rétablit le précédent.</translation>
    </message>
    <message>
        <source>Menu Imported</source>
        <translation>Menu importé</translation>
    </message>
    <message>
        <source>The menu of “%1” was imported. Not all of it could be taken as it was:

%2</source>
        <translation>Le menu de « %1 » a été importé. Tout n’a pas pu être repris tel quel :

%2</translation>
    </message>
</context>
<context>
    <name>brindle::MenuItemForm</name>
    <message>
        <source>Icon &amp;follows the text colour</source>
        <translation>L’icône &amp;suit la couleur du texte</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Space between the icon and the title</source>
        <translation>Espace entre l’icône et le titre</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titre&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Niveau&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Link:</source>
        <translation>&amp;Lien&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Icon:</source>
        <translation>&amp;Icône&#xa0;:</translation>
    </message>
    <message>
        <source>Icon (&amp;2×):</source>
        <translation>Icône (&amp;2×)&#xa0;:</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>Icon &amp;gap:</source>
        <translation>Espa&amp;cement&#xa0;:</translation>
    </message>
    <message>
        <source>Icon gap</source>
        <translation>Espacement de l’icône</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Choose %1 file</source>
        <translation>Choisir le fichier %1</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Effacer %1</translation>
    </message>
    <message>
        <source>C&amp;reate</source>
        <translation>C&amp;réer</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Choose Icon</source>
        <translation>Choisir une icône</translation>
    </message>
    <message>
        <source>Choose Double-Resolution Icon</source>
        <translation>Choisir l’icône double résolution</translation>
    </message>
    <message>
        <source>Icons (*.svg *.svgz *.png *.jpeg *.jpg *.gif *.SVG *.SVGZ *.PNG *.JPEG *.JPG *.GIF)</source>
        <translation>Icônes (*.svg *.svgz *.png *.jpeg *.jpg *.gif *.SVG *.SVGZ *.PNG *.JPEG *.JPG *.GIF)</translation>
    </message>
    <message>
        <source>SVG icons (*.svg *.svgz *.SVG *.SVGZ)</source>
        <translation>Icônes SVG (*.svg *.svgz *.SVG *.SVGZ)</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpeg *.jpg *.gif *.PNG *.JPEG *.JPG *.GIF)</source>
        <translation>Images (*.png *.jpeg *.jpg *.gif *.PNG *.JPEG *.JPG *.GIF)</translation>
    </message>
    <message>
        <source>An SVG icon is sharp at every size: it needs no double-resolution file.</source>
        <translation>Une icône SVG est nette à toutes les tailles&#xa0;: elle n’a pas besoin de fichier double résolution.</translation>
    </message>
    <message>
        <source>The icon&apos;s black parts take the colour of the item&apos;s text, also on hover and while pressed (an SVG icon only)</source>
        <translation>Les parties noires de l’icône prennent la couleur du texte de l’élément, y compris au survol et pendant le clic (icône SVG uniquement)</translation>
    </message>
    <message>
        <source>Classic pages show the icon&apos;s pictures, which keep their colours: choose the Modern output style for an icon in the text&apos;s colour</source>
        <translation>Les pages Classique affichent les images de l’icône, qui gardent leurs couleurs&#xa0;: choisissez le style de sortie Moderne pour une icône de la couleur du texte</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Sub Menu</source>
        <translation>Sous-menu</translation>
    </message>
    <message>
        <source>Third Level</source>
        <translation>Troisième niveau</translation>
    </message>
</context>
<context>
    <name>brindle::MenuStructureView</name>
    <message>
        <source>Add a menu item</source>
        <translation>Ajouter un élément de menu</translation>
    </message>
    <message>
        <source>Remove the selected item</source>
        <translation>Supprimer l’élément sélectionné</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Modifier…</translation>
    </message>
    <message>
        <source>Edit the selected item</source>
        <translation>Modifier l’élément sélectionné</translation>
    </message>
    <message>
        <source>Menu items</source>
        <translation>Éléments du menu</translation>
    </message>
    <message>
        <source>“%1”: %2</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>“%1” was cleaned for the web: left out %2.</source>
        <translation>«&#xa0;%1&#xa0;» a été nettoyé pour le web&#xa0;; contenu retiré&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The icon is kept as %1: another picture is already called %2.</source>
        <translation>L’icône est conservée sous le nom %1&#xa0;: une autre image s’appelle déjà %2.</translation>
    </message>
    <message>
        <source>Icon Not Used</source>
        <translation>Icône non utilisée</translation>
    </message>
    <message>
        <source>An icon could not be used.</source>
        <translation>Une icône n’a pas pu être utilisée.</translation>
    </message>
    <message>
        <source>Two icons could not be used.</source>
        <translation>Deux icônes n’ont pas pu être utilisées.</translation>
    </message>
    <message>
        <source>The item keeps the icon it had before.</source>
        <translation>L’élément garde l’icône qu’il avait auparavant.</translation>
    </message>
    <message>
        <source>Delete Menu</source>
        <translation>Supprimer le menu</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot; and all of its sub menus?</source>
        <translation>Voulez-vous vraiment supprimer «&#xa0;%1&#xa0;» et tous ses sous-menus&#xa0;?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>brindle::MenuTreeModel</name>
    <message>
        <source>Rename Item</source>
        <translation>Renommage de l’élément</translation>
    </message>
    <message>
        <source>Move Item</source>
        <translation>Déplacement de l’élément</translation>
    </message>
    <message>
        <source>Add Item</source>
        <translation>Ajout d’un élément</translation>
    </message>
    <message>
        <source>Delete “%1”</source>
        <translation>Suppression de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Edit Item</source>
        <translation>Modification de l’élément</translation>
    </message>
</context>
<context>
    <name>brindle::OutputView</name>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>Moderne</translation>
    </message>
    <message>
        <source>Classic: the original page, opened by mouse hover.
Modern: standard CSS in a navigation landmark, usable with the keyboard, on touch screens and on phones.</source>
        <translation>Classique&#xa0;: la page d’origine, dont les menus s’ouvrent au survol de la souris.
Moderne&#xa0;: du CSS standard dans un repère de navigation, utilisable au clavier, sur écran tactile et sur téléphone.</translation>
    </message>
    <message>
        <source>The name screen readers give the navigation landmark</source>
        <translation>Le nom que les lecteurs d’écran donnent au repère de navigation</translation>
    </message>
    <message>
        <source>Narrower screens show the menu as a vertical list behind a “Menu” button</source>
        <translation>Sur les écrans plus étroits, le menu devient une liste verticale derrière un bouton «&#xa0;Menu&#xa0;»</translation>
    </message>
    <message>
        <source>Every class and id of the Modern page and of the snippet starts with it, so the menu keeps to itself in your site: letters, digits, “-” and “_”, beginning with a letter</source>
        <translation>Chaque classe et chaque id de la page Moderne et de l’extrait commence par ce nom, pour que le menu reste indépendant du reste de votre site&#xa0;: lettres, chiffres, «&#xa0;-&#xa0;» et «&#xa0;_&#xa0;», en commençant par une lettre</translation>
    </message>
    <message>
        <source>style</source>
        <translation>style</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>menu name</source>
        <translation>nom du menu</translation>
    </message>
    <message>
        <source>Menu name</source>
        <translation>Nom du menu</translation>
    </message>
    <message>
        <source>phone layout below</source>
        <translation>mise en page mobile en dessous de</translation>
    </message>
    <message>
        <source>Phone below</source>
        <translation>Mobile sous</translation>
    </message>
    <message>
        <source>class name</source>
        <translation>nom de classe</translation>
    </message>
    <message>
        <source>Class name</source>
        <translation>Nom de classe</translation>
    </message>
    <message>
        <source>A class name holds letters, digits, “-” and “_” only: “site-nav”, not “site nav”</source>
        <translation>Un nom de classe ne contient que des lettres, des chiffres, «&#xa0;-&#xa0;» et «&#xa0;_&#xa0;»&#xa0;: «&#xa0;site-nav&#xa0;», pas «&#xa0;site nav&#xa0;»</translation>
    </message>
    <message>
        <source>The class name cannot be empty; it stays “%1”</source>
        <translation>Le nom de classe ne peut pas être vide&#xa0;; il reste «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>“%1” is not a class name: it must begin with a letter; it stays “%2”</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nom de classe&#xa0;: il doit commencer par une lettre&#xa0;; le nom reste «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>From the page</source>
        <translation>Celle de la page</translation>
    </message>
    <message>
        <source>Left to right</source>
        <translation>De gauche à droite</translation>
    </message>
    <message>
        <source>Right to left</source>
        <translation>De droite à gauche</translation>
    </message>
    <message>
        <source>From the page: the menu reads as the page around it does, right to left on an Arabic or Hebrew page. The other two fix the direction on the menu itself.</source>
        <translation>Celle de la page : le menu se lit comme la page qui l’entoure, de droite à gauche sur une page en arabe ou en hébreu. Les deux autres fixent la direction sur le menu lui-même.</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>direction</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Classic pages show two levels: the menu’s third level stays in the design but is not on the page.</source>
        <translation>Les pages classiques montrent deux niveaux : le troisième niveau du menu reste dans le modèle mais n’est pas sur la page.</translation>
    </message>
</context>
<context>
    <name>brindle::PreviewArea</name>
    <message>
        <source>&amp;Desktop Width</source>
        <translation>Largeur &amp;ordinateur</translation>
    </message>
    <message>
        <source>&amp;Tablet Width (768 px)</source>
        <translation>Largeur &amp;tablette (768 px)</translation>
    </message>
    <message>
        <source>&amp;Phone Width (375 px)</source>
        <translation>Largeur télé&amp;phone (375 px)</translation>
    </message>
    <message>
        <source>Preview width</source>
        <translation>Largeur de l’aperçu</translation>
    </message>
</context>
<context>
    <name>brindle::ProjectActions</name>
    <message>
        <source>Save Failed</source>
        <translation>Échec de l’enregistrement</translation>
    </message>
    <message>
        <source>The project could not be saved to “%1”: %2</source>
        <translation>Impossible d’enregistrer le projet dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 enregistré</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>Échec de l’ouverture</translation>
    </message>
    <message>
        <source>The project “%1” could not be opened: %2</source>
        <translation>Impossible d’ouvrir le projet «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Design Not Used</source>
        <translation>Design non utilisé</translation>
    </message>
    <message>
        <source>The design could not be used: %1</source>
        <translation>Impossible d’utiliser le design&#xa0;: %1</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 ouvert</translation>
    </message>
    <message>
        <source>Opened %1; one icon is kept under a new name</source>
        <translation>%1 ouvert&#xa0;; une icône est conservée sous un nouveau nom</translation>
    </message>
    <message>
        <source>Opened %1; %2 icons are kept under new names</source>
        <translation>%1 ouvert&#xa0;; %2 icônes sont conservées sous de nouveaux noms</translation>
    </message>
    <message>
        <source>Opened %1 without one of its icons</source>
        <translation>%1 ouvert sans l’une de ses icônes</translation>
    </message>
    <message>
        <source>Opened %1 without %2 of its icons</source>
        <translation>%1 ouvert sans %2 de ses icônes</translation>
    </message>
    <message>
        <source>Items Without Titles</source>
        <translation>Éléments sans titre</translation>
    </message>
    <message>
        <source>%1 was opened, but one item has no title: its link says nothing to visitors.</source>
        <translation>%1 a été ouvert, mais un élément n’a pas de titre&#xa0;: son lien ne dit rien aux visiteurs.</translation>
    </message>
    <message>
        <source>%1 was opened, but %2 items have no title: their links say nothing to visitors.</source>
        <translation>%1 a été ouvert, mais %2 éléments n’ont pas de titre&#xa0;: leurs liens ne disent rien aux visiteurs.</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 de plus</translation>
    </message>
    <message>
        <source>Give a title to %1.</source>
        <translation>Donnez un titre à %1.</translation>
    </message>
    <message>
        <source>Icons Left Out</source>
        <translation>Icônes non utilisées</translation>
    </message>
    <message>
        <source>%1 was opened, but one icon could not be used.</source>
        <translation>%1 a été ouvert, mais une icône n’a pas pu être utilisée.</translation>
    </message>
    <message>
        <source>%1 was opened, but %2 icons could not be used.</source>
        <translation>%1 a été ouvert, mais %2 icônes n’ont pas pu être utilisées.</translation>
    </message>
    <message>
        <source>… and %1 more.</source>
        <translation>… et %1 de plus.</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Échec de l’exportation</translation>
    </message>
    <message>
        <source>The page could not be written to “%1”: %2</source>
        <translation>Impossible d’écrire la page dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>%1 exporté</translation>
    </message>
    <message>
        <source>The stylesheet could not be written to “%1”: %2</source>
        <translation>Impossible d’écrire la feuille de style dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exporté dans %1</translation>
    </message>
    <message>
        <source>Not every file could be exported to “%1”:
%2</source>
        <translation>Certains fichiers n’ont pas pu être exportés dans «&#xa0;%1&#xa0;»&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Exported the menu to %1; %2 says what goes into your page</source>
        <translation>Menu exporté dans %1&#xa0;; %2 indique ce qu’il faut ajouter à votre page</translation>
    </message>
    <message>
        <source>Replace Files?</source>
        <translation>Remplacer les fichiers&#xa0;?</translation>
    </message>
    <message>
        <source>“%1” already holds files of these names. Replace them with the menu’s?</source>
        <translation>«&#xa0;%1&#xa0;» contient déjà des fichiers portant ces noms. Les remplacer par ceux du menu&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>Copied the menu&apos;s HTML; the comment at its top says what else your page needs</source>
        <translation>HTML du menu copié&#xa0;; le commentaire placé en tête indique ce dont votre page a encore besoin</translation>
    </message>
    <message>
        <source>Copied the menu&apos;s CSS</source>
        <translation>CSS du menu copié</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Enregistrer le projet</translation>
    </message>
    <message>
        <source>“%1” already exists. Do you want to replace it?</source>
        <translation>«&#xa0;%1&#xa0;» existe déjà. Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Ouvrir un projet</translation>
    </message>
    <message>
        <source>Export HTML</source>
        <translation>Exporter le HTML</translation>
    </message>
    <message>
        <source>Export CSS</source>
        <translation>Exporter le CSS</translation>
    </message>
    <message>
        <source>Export All Files</source>
        <translation>Exporter tous les fichiers</translation>
    </message>
    <message>
        <source>Export Snippet</source>
        <translation>Exporter l’extrait</translation>
    </message>
    <message>
        <source>Brindle projects (*.brindleprj)</source>
        <translation>Projets Brindle (*.brindleprj)</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Import Menu</source>
        <translation>Importer un menu</translation>
    </message>
    <message>
        <source>Pages, sitemaps and outlines (*.html *.htm *.xhtml *.xml *.md *.markdown *.txt);;All files (*)</source>
        <translation>Pages, plans de site et listes (*.html *.htm *.xhtml *.xml *.md *.markdown *.txt);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>brindle::QuickBackgroundPanel</name>
    <message>
        <source>Background (Normal)</source>
        <translation>Fond (normal)</translation>
    </message>
    <message>
        <source>Background (Hover)</source>
        <translation>Fond (survol)</translation>
    </message>
    <message>
        <source>Background (Active)</source>
        <translation>Fond (actif)</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Sub-menu</source>
        <translation>Sous-menu</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacité</translation>
    </message>
    <message>
        <source>background colour</source>
        <translation>couleur de fond</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>text brightness</source>
        <translation>luminosité du texte</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>opacity</source>
        <translation>opacité</translation>
    </message>
    <message>
        <source>No brightness of this text colour reads on its background: choose another background colour</source>
        <translation>Aucune luminosité de cette couleur de texte n’est lisible sur son fond&#xa0;: choisissez une autre couleur de fond</translation>
    </message>
    <message>
        <source>Text at %1 % would not read on its background; %2 % is the nearest that does</source>
        <translation>Un texte à %1&#xa0;% ne serait pas lisible sur son fond&#xa0;; %2&#xa0;% est la valeur lisible la plus proche</translation>
    </message>
</context>
<context>
    <name>brindle::QuickModeGeneralView</name>
    <message>
        <source>Square</source>
        <translation>Carrés</translation>
    </message>
    <message>
        <source>Rounded</source>
        <translation>Arrondis</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Ronds</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>corner shape</source>
        <translation>forme des coins</translation>
    </message>
    <message>
        <source>Corners</source>
        <translation>Coins</translation>
    </message>
</context>
<context>
    <name>brindle::QuickModeView</name>
    <message>
        <source>menu colour</source>
        <translation>couleur du menu</translation>
    </message>
    <message>
        <source>Menu colour</source>
        <translation>Couleur du menu</translation>
    </message>
    <message>
        <source>No text colour of this hue reads on the %1 background: choose another menu colour, or set the text in the Main Menu mode</source>
        <translation>Aucune couleur de texte de cette teinte n’est lisible sur le fond %1&#xa0;: choisissez une autre couleur de menu, ou réglez le texte dans le mode Menu principal</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>hover</source>
        <translation>survol</translation>
    </message>
    <message>
        <source>active</source>
        <translation>actif</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
</context>
<context>
    <name>brindle::RecentMenuController</name>
    <message>
        <source>Project Not Found</source>
        <translation>Projet introuvable</translation>
    </message>
    <message>
        <source>The project “%1” can no longer be found. It was moved or deleted, and has been removed from the recent projects.</source>
        <translation>Le projet «&#xa0;%1&#xa0;» est introuvable. Il a été déplacé ou supprimé, et a été retiré des projets récents.</translation>
    </message>
</context>
<context>
    <name>brindle::RecoveryFile</name>
    <message>
        <source>The folder “%1” cannot be made.</source>
        <translation>Impossible de créer le dossier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The recovery file is in use.</source>
        <translation>Le fichier de récupération est en cours d’utilisation.</translation>
    </message>
</context>
<context>
    <name>brindle::RelatedAppsSheet</name>
    <message>
        <source>Related Applications</source>
        <translation>Applications connexes</translation>
    </message>
    <message>
        <source>A fast editor for HTML, CSS and JavaScript, with snippets and syntax highlighting.</source>
        <translation>Un éditeur rapide pour HTML, CSS et JavaScript, avec extraits de code et coloration syntaxique.</translation>
    </message>
    <message>
        <source>A light editor for web pages and code, with a symbol list and build commands.</source>
        <translation>Un éditeur léger pour les pages web et le code, avec une liste des symboles et des commandes de compilation.</translation>
    </message>
    <message>
        <source>A browser with tools for inspecting layouts, styles and scripts.</source>
        <translation>Un navigateur doté d’outils pour inspecter les mises en page, les styles et les scripts.</translation>
    </message>
    <message>
        <source>Edits photos and draws bitmap images such as menu icons.</source>
        <translation>Retouche les photos et dessine des images matricielles, comme les icônes de menu.</translation>
    </message>
    <message>
        <source>Draws scalable vector graphics for icons and logos.</source>
        <translation>Dessine des images vectorielles redimensionnables pour les icônes et les logos.</translation>
    </message>
    <message>
        <source>Uploads a finished site to a web server over FTP and SFTP.</source>
        <translation>Envoie un site terminé sur un serveur web par FTP et SFTP.</translation>
    </message>
    <message>
        <source>Picks colours from anywhere on the screen and keeps palettes.</source>
        <translation>Prélève des couleurs n’importe où sur l’écran et conserve des palettes.</translation>
    </message>
</context>
<context>
    <name>brindle::SeparatorView</name>
    <message>
        <source>Separator</source>
        <translation>Séparateur</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>lines between items</source>
        <translation>lignes entre les éléments</translation>
    </message>
    <message>
        <source>Lines between items</source>
        <translation>Lignes entre les éléments</translation>
    </message>
</context>
<context>
    <name>brindle::ShadowPanel</name>
    <message>
        <source>Drop Shadow</source>
        <translation>Ombre portée</translation>
    </message>
    <message>
        <source>Inner Shadow</source>
        <translation>Ombre interne</translation>
    </message>
    <message>
        <source>Text Shadow 1</source>
        <translation>Ombre du texte 1</translation>
    </message>
    <message>
        <source>Text Shadow 2</source>
        <translation>Ombre du texte 2</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>couleur</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>opacity</source>
        <translation>opacité</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacité</translation>
    </message>
    <message>
        <source>X offset</source>
        <translation>décalage X</translation>
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
        <translation>décalage Y</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>size</source>
        <translation>taille</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
</context>
<context>
    <name>brindle::ShapePanel</name>
    <message>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>Sub-menu</source>
        <translation>Sous-menu</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>corner radius</source>
        <translation>rayon des angles</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Rayon</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>border size</source>
        <translation>épaisseur de la bordure</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Bordure</translation>
    </message>
    <message>
        <source>border colour</source>
        <translation>couleur de la bordure</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>width</source>
        <translation>largeur</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
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
        <translation>Lier les marges intérieures gauche et droite</translation>
    </message>
    <message>
        <source>Unlock left and right padding</source>
        <translation>Délier les marges intérieures gauche et droite</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>left padding</source>
        <translation>marge intérieure gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>right padding</source>
        <translation>marge intérieure droite</translation>
    </message>
    <message>
        <source>Lock top and bottom padding together</source>
        <translation>Lier les marges intérieures haute et basse</translation>
    </message>
    <message>
        <source>Unlock top and bottom padding</source>
        <translation>Délier les marges intérieures haute et basse</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>top padding</source>
        <translation>marge intérieure haute</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>bottom padding</source>
        <translation>marge intérieure basse</translation>
    </message>
    <message>
        <source>Padding</source>
        <translation>Marge intérieure</translation>
    </message>
    <message>
        <source>While closed, Left and Right move together</source>
        <translation>Quand le cadenas est fermé, Gauche et Droite changent ensemble</translation>
    </message>
    <message>
        <source>While closed, Top and Bottom move together</source>
        <translation>Quand le cadenas est fermé, Haut et Bas changent ensemble</translation>
    </message>
    <message>
        <source>Preview in Firefox</source>
        <translation>Aperçu dans Firefox</translation>
    </message>
    <message>
        <source>Firefox was not found on this computer.</source>
        <translation>Firefox est introuvable sur cet ordinateur.</translation>
    </message>
    <message>
        <source>The preview is not ready yet.</source>
        <translation>L’aperçu n’est pas encore prêt.</translation>
    </message>
    <message>
        <source>Firefox could not be started.</source>
        <translation>Firefox n’a pas pu être lancé.</translation>
    </message>
    <message>
        <source>Firefox (%1) could not be started.</source>
        <translation>Firefox (%1) n’a pas pu être lancé.</translation>
    </message>
</context>
<context>
    <name>brindle::SourceCodeArea</name>
    <message>
        <source>Stylesheet source</source>
        <translation>Source de la feuille de style</translation>
    </message>
    <message>
        <source>HTML source</source>
        <translation>Source HTML</translation>
    </message>
</context>
<context>
    <name>brindle::TextColorPanel</name>
    <message>
        <source>colour</source>
        <translation>couleur</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
</context>
<context>
    <name>brindle::TextView</name>
    <message>
        <source>Main Menu Text</source>
        <translation>Texte du menu principal</translation>
    </message>
    <message>
        <source>font</source>
        <translation>police</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>size</source>
        <translation>taille</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>couleur</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Sub Menu Text</source>
        <translation>Texte du sous-menu</translation>
    </message>
</context>
<context>
    <name>brindle::WorkspaceModes</name>
    <message>
        <source>&amp;Menu Structure</source>
        <translation>Structure du &amp;menu</translation>
    </message>
    <message>
        <source>Edit the menu items, their links and icons</source>
        <translation>Modifier les éléments du menu, leurs liens et leurs icônes</translation>
    </message>
    <message>
        <source>&amp;Quick Mode</source>
        <translation>Mode &amp;rapide</translation>
    </message>
    <message>
        <source>Style the whole menu from a few colours</source>
        <translation>Définir le style de tout le menu à partir de quelques couleurs</translation>
    </message>
    <message>
        <source>Ma&amp;in Menu</source>
        <translation>Menu pr&amp;incipal</translation>
    </message>
    <message>
        <source>Style the menu bar: normal, hover and active</source>
        <translation>Définir le style de la barre de menus&#xa0;: normal, survol et actif</translation>
    </message>
    <message>
        <source>&amp;Sub-Menu</source>
        <translation>&amp;Sous-menu</translation>
    </message>
    <message>
        <source>Style the drop-down lists: normal, hover and active</source>
        <translation>Définir le style des listes déroulantes&#xa0;: normal, survol et actif</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
</TS>
