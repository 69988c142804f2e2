<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AccessibleWidgets</name>
    <message>
        <source>%1, %2% opaque</source>
        <translation>%1, %2% de opacidad</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
</context>
<context>
    <name>AppInfo</name>
    <message>
        <source>Copyright © 2026 The Brindle developers</source>
        <translation>Copyright © 2026 Los desarrolladores de Brindle</translation>
    </message>
    <message>
        <source>Released under the MIT License.</source>
        <translation>Distribuido bajo la licencia MIT.</translation>
    </message>
</context>
<context>
    <name>Contrast</name>
    <message>
        <source>hover background</source>
        <translation>fondo hover</translation>
    </message>
    <message>
        <source>active background</source>
        <translation>fondo activo</translation>
    </message>
    <message>
        <source>background</source>
        <translation>fondo</translation>
    </message>
    <message>
        <source>start</source>
        <translation>(inicio)</translation>
    </message>
    <message>
        <source>end</source>
        <translation>(fin)</translation>
    </message>
    <message>
        <source>stop %1</source>
        <translation>(parada %1)</translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <translation>%1 superpuesto al %2</translation>
    </message>
    <message>
        <source>icon of “%1”</source>
        <translation>icono de «%1»</translation>
    </message>
    <message>
        <source>drop-down arrow</source>
        <translation>flecha desplegable</translation>
    </message>
</context>
<context>
    <name>DesignApplier</name>
    <message>
        <source>The icon %1 of %2 %3</source>
        <translation>El icono %1 de %2 %3</translation>
    </message>
    <message>
        <source>was left out: there is no preview folder.</source>
        <translation>se omitió: no hay carpeta de vista previa.</translation>
    </message>
    <message>
        <source>cannot be decoded and was left out.</source>
        <translation>no se puede decodificar y se omitió.</translation>
    </message>
    <message>
        <source>cannot be encoded and was left out.</source>
        <translation>no se puede codificar y se omitió.</translation>
    </message>
    <message>
        <source>cannot be written to the preview folder (%1) and was left out.</source>
        <translation>no se puede escribir en la carpeta de vista previa (%1) y se omitió.</translation>
    </message>
    <message>
        <source>The icon %1 of %2 is kept as %3: another picture has its name.</source>
        <translation>El icono %1 de %2 se guarda como %3: otra imagen ya tiene ese nombre.</translation>
    </message>
    <message>
        <source>The SVG icon %1 of %2 cannot be written to the preview folder (%3); its pictures stand for it.</source>
        <translation>No se puede escribir el icono SVG %1 de %2 en la carpeta de vista previa (%3); en su lugar se usan sus imágenes.</translation>
    </message>
    <message>
        <source>item %1 of the bar</source>
        <translation>elemento %1 de la barra</translation>
    </message>
    <message>
        <source>item %1 under %2</source>
        <translation>elemento %1 bajo %2</translation>
    </message>
</context>
<context>
    <name>DesignGallery</name>
    <message>
        <source>the design is not a project file</source>
        <translation>el diseño no es un archivo de proyecto</translation>
    </message>
    <message>
        <source>a design needs a name</source>
        <translation>un diseño necesita un nombre</translation>
    </message>
    <message>
        <source>a name cannot begin or end with a space</source>
        <translation>un nombre no puede empezar ni terminar con un espacio</translation>
    </message>
    <message>
        <source>a name may have at most %1 characters</source>
        <translation>un nombre puede tener como máximo %1 caracteres</translation>
    </message>
    <message>
        <source>a name cannot begin with a full stop</source>
        <translation>un nombre no puede empezar por un punto</translation>
    </message>
    <message>
        <source>a name cannot hold “%1”</source>
        <translation>un nombre no puede contener «%1»</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>built-in designs cannot be renamed</source>
        <translation>no se puede cambiar el nombre de los diseños integrados</translation>
    </message>
    <message>
        <source>a design called “%1” exists</source>
        <translation>ya existe un diseño llamado «%1»</translation>
    </message>
    <message>
        <source>the design file cannot be renamed</source>
        <translation>no se puede cambiar el nombre del archivo del diseño</translation>
    </message>
    <message>
        <source>built-in designs cannot be removed</source>
        <translation>los diseños integrados no se pueden quitar</translation>
    </message>
    <message>
        <source>the design file cannot be removed</source>
        <translation>no se puede eliminar el archivo del diseño</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>“%1” could not be written: %2</source>
        <translation>No se pudo escribir «%1»: %2</translation>
    </message>
    <message>
        <source>The icon “%1” was not copied: its name is not a plain file name.</source>
        <translation>No se copió el icono «%1»: su nombre no es un nombre de archivo simple.</translation>
    </message>
    <message>
        <source>The icon “%1” was not copied: %2</source>
        <translation>No se copió el icono «%1»: %2</translation>
    </message>
    <message>
        <source>The icons were not copied: there is no preview folder.</source>
        <translation>No se copiaron los iconos: no hay carpeta de vista previa.</translation>
    </message>
    <message>
        <source>%1 holds files of the same name: %2</source>
        <translation>%1 ya contiene archivos con el mismo nombre: %2</translation>
    </message>
    <message>
        <source>Classic pages show two levels: the menu’s third level stays in the design but is not on the page. The Modern style shows it.</source>
        <translation>Las páginas clásicas muestran dos niveles: el tercer nivel del menú se queda en el diseño, pero no está en la página. El estilo Moderno lo muestra.</translation>
    </message>
</context>
<context>
    <name>GradientSettings</name>
    <message>
        <source>sub-menu</source>
        <translation>submenú,</translation>
    </message>
    <message>
        <source>main menu</source>
        <translation>menú principal,</translation>
    </message>
    <message>
        <source>hover</source>
        <translation>hover,</translation>
    </message>
    <message>
        <source>active</source>
        <translation>activo,</translation>
    </message>
    <message>
        <source>background</source>
        <translation>fondo:</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texto:</translation>
    </message>
</context>
<context>
    <name>IconFiles</name>
    <message>
        <source>the picture cannot be encoded</source>
        <translation>no se puede codificar la imagen</translation>
    </message>
</context>
<context>
    <name>IconImporter</name>
    <message>
        <source>The preview folder is not available.</source>
        <translation>La carpeta de vista previa no está disponible.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>No se puede leer el archivo.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>El archivo ocupa más de %1 MB.</translation>
    </message>
    <message>
        <source>The file cannot be read (%1).</source>
        <translation>No se puede leer el archivo (%1).</translation>
    </message>
    <message>
        <source>It is not a PNG, JPEG or GIF picture.</source>
        <translation>No es una imagen PNG, JPEG ni GIF.</translation>
    </message>
    <message>
        <source>The picture cannot be decoded, or it is larger than %1 pixels on a side or %2 million pixels in all.</source>
        <translation>No se puede decodificar la imagen, o mide más de %1 píxeles de lado o más de %2 millones de píxeles en total.</translation>
    </message>
    <message>
        <source>An SVG icon goes into the Icon field; it is sharp at every size without a double-resolution file.</source>
        <translation>Los iconos SVG van en el campo Icono; se ven nítidos a cualquier tamaño sin un archivo de doble resolución.</translation>
    </message>
    <message>
        <source>It cannot be encoded for the preview folder.</source>
        <translation>No se puede codificar para la carpeta de vista previa.</translation>
    </message>
    <message>
        <source>It cannot be copied into the preview folder (%1).</source>
        <translation>No se puede copiar en la carpeta de vista previa (%1).</translation>
    </message>
    <message>
        <source>It cannot be used: %1.</source>
        <translation>No se puede usar: %1.</translation>
    </message>
    <message>
        <source>It is %1 × %2 px large; a menu icon is at most %3 px on a side.</source>
        <translation>Mide %1 × %2 px; un icono de menú mide como máximo %3 px de lado.</translation>
    </message>
    <message>
        <source>It cannot be drawn.</source>
        <translation>No se puede dibujar.</translation>
    </message>
</context>
<context>
    <name>MenuImport</name>
    <message>
        <source>The page cannot be read.</source>
        <translation>No se puede leer la página.</translation>
    </message>
    <message>
        <source>The page has no navigation and no list of links.</source>
        <translation>La página no tiene navegación ni lista de enlaces.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>El archivo supera los %1 MB.</translation>
    </message>
    <message>
        <source>No menu items were found in the file.</source>
        <translation>No se encontraron elementos de menú en el archivo.</translation>
    </message>
    <message>
        <source>The menu has %1 items; a menu holds at most %2.</source>
        <translation>El menú tiene %1 elementos; un menú admite como máximo %2.</translation>
    </message>
    <message>
        <source>Items deeper than %1 levels, placed in level %1: %2</source>
        <translation>Elementos a más de %1 niveles, colocados en el nivel %1: %2</translation>
    </message>
    <message>
        <source>Items without a title, left out: %1</source>
        <translation>Elementos sin título, omitidos: %1</translation>
    </message>
    <message>
        <source>Script links, left out (their items kept without a link): %1</source>
        <translation>Enlaces de script, omitidos (sus elementos se conservan sin enlace): %1</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>No se puede leer el archivo: %1</translation>
    </message>
    <message>
        <source>The file is a sitemap index: import one of the sitemaps it lists.</source>
        <translation>El archivo es un índice de mapas del sitio: importe uno de los mapas que enumera.</translation>
    </message>
    <message>
        <source>The file is not a sitemap (a urlset of sitemaps.org).</source>
        <translation>El archivo no es un mapa del sitio (un urlset de sitemaps.org).</translation>
    </message>
    <message>
        <source>The sitemap cannot be read: %1 (line %2).</source>
        <translation>No se puede leer el mapa del sitio: %1 (línea %2).</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Addresses listed twice, taken once: %1</source>
        <translation>Direcciones repetidas, tomadas una sola vez: %1</translation>
    </message>
    <message>
        <source>Entries that are not web addresses, left out: %1</source>
        <translation>Entradas que no son direcciones web, omitidas: %1</translation>
    </message>
    <message>
        <source>The sitemap lists no web addresses.</source>
        <translation>El mapa del sitio no contiene direcciones web.</translation>
    </message>
</context>
<context>
    <name>MenuStructureView</name>
    <message>
        <source>A menu item needs a title: a link without one says nothing to visitors.</source>
        <translation>Un elemento de menú necesita un título: un enlace sin título no dice nada a los visitantes.</translation>
    </message>
</context>
<context>
    <name>PageOpener</name>
    <message>
        <source>Page Not Opened</source>
        <translation>Página no abierta</translation>
    </message>
    <message>
        <source>The page could not be opened in a browser: %1</source>
        <translation>No se pudo abrir la página en un navegador: %1</translation>
    </message>
    <message>
        <source>Open it by hand:
%1</source>
        <translation>Ábrala manualmente:
%1</translation>
    </message>
    <message>
        <source>the desktop&apos;s opener (xdg-open) is missing.</source>
        <translation>falta la herramienta del escritorio para abrir archivos (xdg-open).</translation>
    </message>
    <message>
        <source>the desktop&apos;s opener (xdg-open) ended with error %1.</source>
        <translation>la herramienta del escritorio para abrir archivos (xdg-open) terminó con el error %1.</translation>
    </message>
</context>
<context>
    <name>PreviewFolder</name>
    <message>
        <source>the name is reserved for Brindle&apos;s own use</source>
        <translation>el nombre está reservado para uso interno de Brindle</translation>
    </message>
    <message>
        <source>the preview folder&apos;s file list cannot be written</source>
        <translation>no se puede escribir la lista de archivos de la carpeta de vista previa</translation>
    </message>
    <message>
        <source>the old script cannot be removed</source>
        <translation>no se puede eliminar el script anterior</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>the file cannot be read: </source>
        <translation>no se puede leer el archivo: </translation>
    </message>
    <message>
        <source>the file is too large to be a project file</source>
        <translation>el archivo es demasiado grande para ser un archivo de proyecto</translation>
    </message>
    <message>
        <source>the file is not a property list</source>
        <translation>el archivo no es una lista de propiedades</translation>
    </message>
    <message>
        <source>the file is a property list but not an array</source>
        <translation>el archivo es una lista de propiedades, pero no una matriz</translation>
    </message>
</context>
<context>
    <name>ProjectReader</name>
    <message>
        <source>the file ends early: %1 is missing</source>
        <translation>el archivo termina antes de lo previsto: falta %1</translation>
    </message>
    <message>
        <source>element %1 (%2) should be %3 but is %4</source>
        <translation>el elemento %1 (%2) debería ser %3, pero es %4</translation>
    </message>
    <message>
        <source>element %1 (%2) holds %3, which is out of range</source>
        <translation>el elemento %1 (%2) contiene %3, que está fuera del intervalo admitido</translation>
    </message>
    <message>
        <source>element %1 (%2) is not a finite number</source>
        <translation>el elemento %1 (%2) no es un número finito</translation>
    </message>
    <message>
        <source>element %1 (%2) is negative: %3</source>
        <translation>el elemento %1 (%2) es negativo: %3</translation>
    </message>
    <message>
        <source>element %1 (%2) claims %3 items, more than the file holds</source>
        <translation>el elemento %1 (%2) indica %3 elementos, más de los que contiene el archivo</translation>
    </message>
    <message>
        <source>which is not valid UTF-8 text</source>
        <translation>que no es texto UTF-8 válido</translation>
    </message>
    <message>
        <source>which is longer than a file name may be (%1 bytes)</source>
        <translation>que supera la longitud máxima de un nombre de archivo (%1 bytes)</translation>
    </message>
    <message>
        <source>which is not a plain file name or is reserved for a generated file</source>
        <translation>que no es un nombre de archivo simple o está reservado para un archivo generado</translation>
    </message>
    <message>
        <source>, file name</source>
        <translation>, nombre de archivo</translation>
    </message>
    <message>
        <source>%1 has the file name %2, %3</source>
        <translation>%1 tiene el nombre de archivo %2, %3</translation>
    </message>
    <message>
        <source>, icon class</source>
        <translation>, clase del icono</translation>
    </message>
    <message>
        <source>, icon gap</source>
        <translation>, separación del icono</translation>
    </message>
    <message>
        <source>, double-resolution icon</source>
        <translation>, icono de doble resolución</translation>
    </message>
    <message>
        <source>number of menu items</source>
        <translation>número de elementos de menú</translation>
    </message>
    <message>
        <source>menu item %1</source>
        <translation>elemento de menú %1</translation>
    </message>
    <message>
        <source>, number of sub-items</source>
        <translation>, número de subelementos</translation>
    </message>
    <message>
        <source>the file has %1 unexpected elements after its last menu item</source>
        <translation>el archivo tiene %1 elementos inesperados después de su último elemento de menú</translation>
    </message>
    <message>
        <source>%1 should be a dictionary but is %2</source>
        <translation>%1 debería ser un diccionario, pero es %2</translation>
    </message>
    <message>
        <source>%1 has the unknown key %2</source>
        <translation>%1 tiene la clave desconocida %2</translation>
    </message>
    <message>
        <source>%1 has no SVG document as UTF-8 text</source>
        <translation>%1 no tiene ningún documento SVG como texto UTF-8</translation>
    </message>
    <message>
        <source>%1 has no SVG file name</source>
        <translation>%1 no tiene nombre de archivo SVG</translation>
    </message>
    <message>
        <source>%1 has the file name %2, which does not end in “.svg”</source>
        <translation>%1 tiene el nombre de archivo %2, que no termina en «.svg»</translation>
    </message>
    <message>
        <source>%1 says whether it follows the text colour with %2, not a boolean</source>
        <translation>%1 indica si sigue el color del texto con %2, no con un valor booleano</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>%1 no se puede usar: %2</translation>
    </message>
    <message>
        <source>%1 holds what an icon must not: %2</source>
        <translation>%1 contiene lo que un icono no debe contener: %2</translation>
    </message>
    <message>
        <source>the items section should be a dictionary but is %1</source>
        <translation>la sección de elementos debería ser un diccionario, pero es %1</translation>
    </message>
    <message>
        <source>the icon of item %1</source>
        <translation>el icono del elemento %1</translation>
    </message>
    <message>
        <source>the items section names %1, which the menu does not have</source>
        <translation>la sección de elementos menciona %1, que no existe en el menú</translation>
    </message>
    <message>
        <source>%1 is an SVG without its two pictures</source>
        <translation>%1 es un SVG sin sus dos imágenes</translation>
    </message>
    <message>
        <source>the last element should be a dictionary of output options but is %1</source>
        <translation>el último elemento debería ser un diccionario de opciones de salida, pero es %1</translation>
    </message>
    <message>
        <source>the output style is not “classic” or “modern”</source>
        <translation>el estilo de salida no es «classic» ni «modern»</translation>
    </message>
    <message>
        <source>the navigation label is not a text that names something</source>
        <translation>la etiqueta de navegación no es un texto que sirva de nombre</translation>
    </message>
    <message>
        <source>the phone breakpoint is not a width from %1 to %2 pixels</source>
        <translation>el punto de corte para móviles no es un ancho de %1 a %2 píxeles</translation>
    </message>
    <message>
        <source>the class name is not a CSS class name of up to %1 letters, digits, “-” and “_”</source>
        <translation>el nombre de clase no es un nombre de clase CSS de hasta %1 letras, dígitos, «-» y «_»</translation>
    </message>
    <message>
        <source>the file has no version, so it is not a project file</source>
        <translation>el archivo no tiene versión, así que no es un archivo de proyecto</translation>
    </message>
    <message>
        <source>the file has the version %1, which this application cannot read</source>
        <translation>el archivo tiene la versión %1, que esta aplicación no puede leer</translation>
    </message>
    <message>
        <source>the file ends early: it has %1 elements, too few for the settings and the number of menu items</source>
        <translation>el archivo termina antes de lo previsto: tiene %1 elementos, demasiado pocos para los ajustes y el número de elementos de menú</translation>
    </message>
    <message>
        <source>the menu&apos;s direction is not “page”, “ltr” or “rtl”</source>
        <translation>la dirección del menú no es «page», «ltr» ni «rtl»</translation>
    </message>
    <message>
        <source>setting %1</source>
        <translation>ajuste %1</translation>
    </message>
    <message>
        <source>, present</source>
        <translation>, presente</translation>
    </message>
    <message>
        <source>, image</source>
        <translation>, imagen</translation>
    </message>
    <message>
        <source>, title</source>
        <translation>, título</translation>
    </message>
    <message>
        <source>, link</source>
        <translation>, enlace</translation>
    </message>
    <message>
        <source>, icon</source>
        <translation>, icono</translation>
    </message>
    <message>
        <source>sub-item %1 of %2</source>
        <translation>subelemento %1 de %2</translation>
    </message>
    <message>
        <source>the current page&apos;s look is not “active”, “hover” or “plain”</source>
        <translation>el aspecto de la página actual no es «active», «hover» ni «plain»</translation>
    </message>
</context>
<context>
    <name>PropertyList</name>
    <message>
        <source>an integer</source>
        <translation>un número entero</translation>
    </message>
    <message>
        <source>a real number</source>
        <translation>un número real</translation>
    </message>
    <message>
        <source>a boolean</source>
        <translation>un valor booleano</translation>
    </message>
    <message>
        <source>a dictionary</source>
        <translation>un diccionario</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>una matriz</translation>
    </message>
    <message>
        <source>a date</source>
        <translation>una fecha</translation>
    </message>
    <message>
        <source>a key</source>
        <translation>una clave</translation>
    </message>
    <message>
        <source>an identifier</source>
        <translation>un identificador</translation>
    </message>
    <message>
        <source>an unknown element</source>
        <translation>un elemento desconocido</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>data</source>
        <translation>datos</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
</context>
<context>
    <name>SvgCleaner</name>
    <message>
        <source>processing instruction</source>
        <translation>instrucción de procesamiento</translation>
    </message>
    <message>
        <source>a element&apos;s link</source>
        <translation>enlace de un elemento «a»</translation>
    </message>
    <message>
        <source>id value a reference cannot name</source>
        <translation>valor de id al que ninguna referencia puede apuntar</translation>
    </message>
    <message>
        <source>repeated id</source>
        <translation>id repetido</translation>
    </message>
    <message>
        <source> value reaching outside the file</source>
        <translation> con un valor que apunta fuera del archivo</translation>
    </message>
    <message>
        <source>link outside the file</source>
        <translation>enlace fuera del archivo</translation>
    </message>
    <message>
        <source>link to a missing element</source>
        <translation>enlace a un elemento inexistente</translation>
    </message>
    <message>
        <source>reference to a missing element</source>
        <translation>referencia a un elemento inexistente</translation>
    </message>
    <message>
        <source>its elements refer to each other in a circle</source>
        <translation>sus elementos se remiten unos a otros en círculo</translation>
    </message>
    <message>
        <source>its references nest more than %1 deep</source>
        <translation>sus referencias se anidan en más de %1 niveles</translation>
    </message>
    <message>
        <source>its references would draw more than %1 elements</source>
        <translation>sus referencias dibujarían más de %1 elementos</translation>
    </message>
    <message>
        <source>%1 element</source>
        <translation>elemento %1</translation>
    </message>
    <message>
        <source>%1 attribute</source>
        <translation>atributo %1</translation>
    </message>
</context>
<context>
    <name>SvgCss</name>
    <message>
        <source>%1 style property</source>
        <translation>propiedad de estilo %1</translation>
    </message>
    <message>
        <source>%1 style value reaching outside the file</source>
        <translation>valor de estilo %1 que apunta fuera del archivo</translation>
    </message>
    <message>
        <source>style rule for %1</source>
        <translation>regla de estilo para %1</translation>
    </message>
</context>
<context>
    <name>SvgIcon</name>
    <message>
        <source>it cannot be decompressed</source>
        <translation>no se puede descomprimir</translation>
    </message>
    <message>
        <source>it is larger than %1 KB once decompressed</source>
        <translation>ocupa más de %1 KB una vez descomprimido</translation>
    </message>
    <message>
        <source>it is not a complete gzip stream</source>
        <translation>no es un flujo gzip completo</translation>
    </message>
</context>
<context>
    <name>SvgTree</name>
    <message>
        <source>it is larger than %1 KB</source>
        <translation>ocupa más de %1 KB</translation>
    </message>
    <message>
        <source>it declares a DTD or entities, which an icon never needs</source>
        <translation>declara una DTD o entidades, que un icono nunca necesita</translation>
    </message>
    <message>
        <source>its elements are nested more than %1 deep</source>
        <translation>sus elementos se anidan en más de %1 niveles</translation>
    </message>
    <message>
        <source>it has more than %1 elements</source>
        <translation>tiene más de %1 elementos</translation>
    </message>
    <message>
        <source>it is not an SVG image</source>
        <translation>no es una imagen SVG</translation>
    </message>
    <message>
        <source>it is not well-formed XML (%1)</source>
        <translation>no es XML bien formado (%1)</translation>
    </message>
</context>
<context>
    <name>TabStripView</name>
    <message>
        <source>Menu bar state</source>
        <translation>Estado de la barra de menú</translation>
    </message>
    <message>
        <source>Sub-menu state</source>
        <translation>Estado del submenú</translation>
    </message>
    <message>
        <source>Source code</source>
        <translation>Código fuente</translation>
    </message>
    <message>
        <source>Application category</source>
        <translation>Categoría de aplicación</translation>
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
        <translation>Activo</translation>
    </message>
    <message>
        <source>Developer Tools</source>
        <translation>Desarrollo</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Utilidades</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Actual</translation>
    </message>
</context>
<context>
    <name>ThumbnailCache</name>
    <message>
        <source>nothing to keep</source>
        <translation>no hay nada que guardar</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>the picture cannot be encoded</source>
        <translation>no se puede codificar la imagen</translation>
    </message>
</context>
<context>
    <name>brindle::AboutSheet</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Navigation bars with drop-down menus, without writing code.</source>
        <translation>Barras de navegación con menús desplegables, sin escribir código.</translation>
    </message>
</context>
<context>
    <name>brindle::ContrastBadge</name>
    <message>
        <source>Text contrast</source>
        <translation>Contraste del texto</translation>
    </message>
    <message>
        <source>The text&apos;s contrast is %1 at worst, against the %2.</source>
        <translation>En el peor caso, el contraste del texto es %1, frente al %2.</translation>
    </message>
    <message>
        <source>That is below %1 for text of this size, hard to read for many visitors; 3 : 1 applies from 24 px, or 18.66 px bold.</source>
        <translation>Es inferior a %1 para texto de este tamaño y resulta difícil de leer para muchos visitantes; 3 : 1 se aplica a partir de 24 px, o de 18.66 px en negrita.</translation>
    </message>
</context>
<context>
    <name>brindle::ContrastWindow</name>
    <message>
        <source>Bar</source>
        <translation>Barra</translation>
    </message>
    <message>
        <source>Sub-menu</source>
        <translation>Submenú</translation>
    </message>
    <message>
        <source>Hover</source>
        <translation>Hover</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>%1, %2 text</source>
        <translation>%1, texto %2</translation>
    </message>
    <message>
        <source>Check Contrast</source>
        <translation>Comprobar contraste</translation>
    </message>
    <message>
        <source>Contrast of text, icons and arrows</source>
        <translation>Contraste de texto, iconos y flechas</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Needed</source>
        <translation>Necesario</translation>
    </message>
    <message>
        <source>Fix in</source>
        <translation>Corregir en</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>Sub-Menu</source>
        <translation>Submenú</translation>
    </message>
    <message>
        <source>%1 → %2 tab</source>
        <translation>%1 → pestaña %2</translation>
    </message>
    <message>
        <source>Return or a double click goes there</source>
        <translation>Pulse Intro o haga doble clic para ir allí</translation>
    </message>
    <message>
        <source>on the %1</source>
        <translation>sobre el %1</translation>
    </message>
    <message>
        <source>%1 on the %2</source>
        <translation>%1 sobre el %2</translation>
    </message>
    <message>
        <source>A quarter of what it draws reaches this contrast; icons and arrows need 3 : 1.</source>
        <translation>Una cuarta parte de lo que dibuja alcanza este contraste; los iconos y las flechas necesitan 3 : 1.</translation>
    </message>
</context>
<context>
    <name>brindle::CurrentPageView</name>
    <message>
        <source>Current page</source>
        <translation>Página actual</translation>
    </message>
    <message>
        <source>As pressed</source>
        <translation>Como pulsado</translation>
    </message>
    <message>
        <source>As hovered</source>
        <translation>Como al pasar el puntero</translation>
    </message>
    <message>
        <source>As the others</source>
        <translation>Como los demás</translation>
    </message>
    <message>
        <source>How a Modern menu shows the bar&apos;s item of the page being shown, and the bar&apos;s item above a current sub-item. Your site&apos;s own aria-current=&quot;page&quot; marks work too.</source>
        <translation>Cómo muestra un menú moderno el elemento de la barra de la página que se ve, y el elemento de la barra sobre un subelemento actual. Las marcas aria-current=&quot;page&quot; de su sitio también funcionan.</translation>
    </message>
    <message>
        <source>How a Modern menu shows the drop-down item of the page being shown.</source>
        <translation>Cómo muestra un menú moderno el elemento desplegable de la página que se ve.</translation>
    </message>
    <message>
        <source>current page</source>
        <translation>página actual</translation>
    </message>
    <message>
        <source>Looks</source>
        <translation>Aspecto</translation>
    </message>
</context>
<context>
    <name>brindle::DesignGalleryDialog</name>
    <message>
        <source>%1, built-in design</source>
        <translation>%1, diseño integrado</translation>
    </message>
    <message>
        <source>%1, your design</source>
        <translation>%1, diseño propio</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Elegir</translation>
    </message>
    <message>
        <source>Re&amp;name…</source>
        <translation>Cambiar &amp;nombre…</translation>
    </message>
    <message>
        <source>&amp;Remove…</source>
        <translation>&amp;Quitar…</translation>
    </message>
    <message>
        <source>&amp;Show this gallery when Brindle starts</source>
        <translation>&amp;Mostrar esta galería al iniciar Brindle</translation>
    </message>
    <message>
        <source>New from Design</source>
        <translation>Nuevo desde diseño</translation>
    </message>
    <message>
        <source>Choose a design to start from. You may keep your menu or take the design&apos;s sample menu.</source>
        <translation>Elija un diseño como punto de partida. Puede conservar su menú o usar el menú de ejemplo del diseño.</translation>
    </message>
    <message>
        <source>Designs</source>
        <translation>Diseños</translation>
    </message>
    <message>
        <source>Continue with:</source>
        <translation>Continuar con:</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Abrir %1</translation>
    </message>
    <message>
        <source>Rename Design</source>
        <translation>Cambiar nombre del diseño</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Nombre nuevo:</translation>
    </message>
    <message>
        <source>Design Not Renamed</source>
        <translation>No se cambió el nombre</translation>
    </message>
    <message>
        <source>“%1” could not be renamed: %2.</source>
        <translation>No se pudo cambiar el nombre de «%1»: %2.</translation>
    </message>
    <message>
        <source>Remove Design</source>
        <translation>Quitar diseño</translation>
    </message>
    <message>
        <source>Remove “%1” from the gallery?</source>
        <translation>¿Quitar «%1» de la galería?</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Design Not Removed</source>
        <translation>No se quitó el diseño</translation>
    </message>
    <message>
        <source>“%1” could not be removed: %2.</source>
        <translation>No se pudo quitar «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>brindle::DesignHistory</name>
    <message>
        <source>Menu Change</source>
        <translation>Cambio de menú</translation>
    </message>
    <message>
        <source>Output Options</source>
        <translation>Opciones de salida</translation>
    </message>
    <message>
        <source>Style Change</source>
        <translation>Cambio de estilo</translation>
    </message>
</context>
<context>
    <name>brindle::Document</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Recover &amp;Unsaved Work…</source>
        <translation>R&amp;ecuperar trabajo sin guardar…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Guardar c&amp;omo…</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>Icons Not Restored</source>
        <translation>Iconos no restaurados</translation>
    </message>
    <message>
        <source>The preview and exports may show other pictures for these icons:
%1</source>
        <translation>La vista previa y las exportaciones pueden mostrar otras imágenes para estos iconos:
%1</translation>
    </message>
    <message>
        <source>Unsaved work is kept for recovery again.</source>
        <translation>El trabajo sin guardar vuelve a conservarse para su recuperación.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>%1[*] — Brindle</source>
        <translation>%1[*] — Brindle</translation>
    </message>
    <message>
        <source>The design</source>
        <translation>El diseño</translation>
    </message>
    <message>
        <source>The unsaved work</source>
        <translation>El trabajo sin guardar</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <source>Do you want to save the changes to “%1”?</source>
        <translation>¿Desea guardar los cambios en «%1»?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them.</source>
        <translation>Los cambios se perderán si no los guarda.</translation>
    </message>
    <message>
        <source>Recover Unsaved Work</source>
        <translation>Recuperar trabajo sin guardar</translation>
    </message>
    <message>
        <source>There is no unsaved work to recover.</source>
        <translation>No hay trabajo sin guardar que recuperar.</translation>
    </message>
    <message>
        <source>Recovery Failed</source>
        <translation>Error al recuperar</translation>
    </message>
    <message>
        <source>The unsaved work could not be read (%1); it was set aside as “%2”.</source>
        <translation>No se pudo leer el trabajo sin guardar (%1); se ha apartado como «%2».</translation>
    </message>
    <message>
        <source>Recovery Copy Not Written</source>
        <translation>Copia de recuperación no escrita</translation>
    </message>
    <message>
        <source>The restored work could not be kept in “%1”, so its earlier copy stays there and will be offered again. Save the design to keep it.</source>
        <translation>No se pudo conservar el trabajo restaurado en «%1», así que su copia anterior sigue allí y se volverá a ofrecer. Guarde el diseño para conservarlo.</translation>
    </message>
    <message>
        <source>Unsaved work cannot be kept for recovery in %1.</source>
        <translation>No se puede conservar el trabajo sin guardar para su recuperación en %1.</translation>
    </message>
    <message>
        <source>Brindle could not keep a copy of your unsaved work in “%1”: %2
It keeps trying; save the design to be safe.</source>
        <translation>Brindle no pudo conservar una copia de su trabajo sin guardar en «%1»: %2
Lo seguirá intentando; guarde el diseño para no perderlo.</translation>
    </message>
</context>
<context>
    <name>brindle::GalleryActions</name>
    <message>
        <source>New from &amp;Design…</source>
        <translation>Nuevo desde &amp;diseño…</translation>
    </message>
    <message>
        <source>Save Design to &amp;Gallery…</source>
        <translation>Guardar diseño en ga&amp;lería…</translation>
    </message>
    <message>
        <source>Keep Your Menu?</source>
        <translation>¿Conservar su menú?</translation>
    </message>
    <message>
        <source>Start from “%1” with your menu, or with the design&apos;s sample menu?</source>
        <translation>¿Empezar desde «%1» con su menú o con el menú de ejemplo del diseño?</translation>
    </message>
    <message>
        <source>Your menu keeps its items, links, icons and output options; only the look changes.</source>
        <translation>Su menú conserva sus elementos, enlaces, iconos y opciones de salida; solo cambia el aspecto.</translation>
    </message>
    <message>
        <source>&amp;Keep My Menu</source>
        <translation>Con&amp;servar mi menú</translation>
    </message>
    <message>
        <source>Use &amp;Sample Menu</source>
        <translation>Usar menú de &amp;ejemplo</translation>
    </message>
    <message>
        <source>Save Design to Gallery</source>
        <translation>Guardar diseño en la galería</translation>
    </message>
    <message>
        <source>Name of the design:</source>
        <translation>Nombre del diseño:</translation>
    </message>
    <message>
        <source>Design Not Saved</source>
        <translation>No se guardó el diseño</translation>
    </message>
    <message>
        <source>The design was not saved: %1.</source>
        <translation>El diseño no se guardó: %1.</translation>
    </message>
    <message>
        <source>Replace Design?</source>
        <translation>¿Reemplazar diseño?</translation>
    </message>
    <message>
        <source>A design called “%1” is in the gallery. Replace it?</source>
        <translation>Ya hay un diseño llamado «%1» en la galería. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Saved “%1” to the gallery</source>
        <translation>«%1» guardado en la galería</translation>
    </message>
</context>
<context>
    <name>brindle::GradientPanel</name>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>start</source>
        <translation>inicio</translation>
    </message>
    <message>
        <source>Stop 1</source>
        <translation>Parada 1</translation>
    </message>
    <message>
        <source>stop 1</source>
        <translation>parada 1</translation>
    </message>
    <message>
        <source>Stop 2</source>
        <translation>Parada 2</translation>
    </message>
    <message>
        <source>stop 2</source>
        <translation>parada 2</translation>
    </message>
    <message>
        <source>Stop 3</source>
        <translation>Parada 3</translation>
    </message>
    <message>
        <source>stop 3</source>
        <translation>parada 3</translation>
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
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>%1 colour</source>
        <translation>color de %1</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>%1 position</source>
        <translation>posición de %1</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidad</translation>
    </message>
    <message>
        <source>opacity</source>
        <translation>opacidad</translation>
    </message>
</context>
<context>
    <name>brindle::LeftWorkDialog</name>
    <message>
        <source>Recover Unsaved Work</source>
        <translation>Recuperar trabajo sin guardar</translation>
    </message>
    <message>
        <source>Brindle ended without saving these designs. Restore one to continue where you left off; the others are kept for later.</source>
        <translation>Brindle se cerró sin guardar estos diseños. Restaure uno para continuar donde lo dejó; los demás se conservan para más tarde.</translation>
    </message>
    <message>
        <source>Unsaved designs</source>
        <translation>Diseños sin guardar</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>&amp;Discard…</source>
        <translation>&amp;Descartar…</translation>
    </message>
    <message>
        <source>&amp;Keep for Later</source>
        <translation>&amp;Conservar para luego</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>%1
kept %2 — cannot be read</source>
        <translation>%1
conservado el %2 — no se puede leer</translation>
    </message>
    <message>
        <source>1 item</source>
        <translation>1 elemento</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 elementos</translation>
    </message>
    <message>
        <source>%1
kept %2 — %3: %4</source>
        <translation>%1
conservado el %2 — %3: %4</translation>
    </message>
    <message>
        <source>Discard Unsaved Work</source>
        <translation>Descartar trabajo sin guardar</translation>
    </message>
    <message>
        <source>Discard the unsaved work “%1”?</source>
        <translation>¿Descartar el trabajo sin guardar «%1»?</translation>
    </message>
    <message>
        <source>It cannot be brought back.</source>
        <translation>No se podrá recuperar.</translation>
    </message>
</context>
<context>
    <name>brindle::MainWindow</name>
    <message>
        <source>Modes</source>
        <translation>Modos</translation>
    </message>
    <message>
        <source>Menu preview</source>
        <translation>Vista previa del menú</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>Export &amp;HTML…</source>
        <translation>Exportar &amp;HTML…</translation>
    </message>
    <message>
        <source>Export &amp;CSS…</source>
        <translation>Exportar &amp;CSS…</translation>
    </message>
    <message>
        <source>Export &amp;All…</source>
        <translation>Exportar &amp;todo…</translation>
    </message>
    <message>
        <source>Export Sn&amp;ippet…</source>
        <translation>Exportar &amp;fragmento…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Open in &amp;Browser</source>
        <translation>Abrir en el &amp;navegador</translation>
    </message>
    <message>
        <source>The preview is not ready yet.</source>
        <translation>La vista previa aún no está lista.</translation>
    </message>
    <message>
        <source>Check &amp;Contrast…</source>
        <translation>Comprobar c&amp;ontraste…</translation>
    </message>
    <message>
        <source>Open Check Contrast</source>
        <translation>Abrir Comprobar contraste</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>Copy &amp;HTML</source>
        <translation>Copiar &amp;HTML</translation>
    </message>
    <message>
        <source>Copy C&amp;SS</source>
        <translation>Copiar C&amp;SS</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Brindle &amp;Home Page</source>
        <translation>&amp;Sitio web de Brindle</translation>
    </message>
    <message>
        <source>&amp;Related Applications…</source>
        <translation>Aplicaciones &amp;relacionadas…</translation>
    </message>
    <message>
        <source>&amp;About Brindle</source>
        <translation>&amp;Acerca de Brindle</translation>
    </message>
    <message>
        <source>The preview folder could not be created in %1; the preview stays empty.</source>
        <translation>No se pudo crear la carpeta de vista previa en %1; la vista previa quedará vacía.</translation>
    </message>
    <message>
        <source>1 text colour hard to read</source>
        <translation>1 color de texto difícil de leer</translation>
    </message>
    <message>
        <source>%1 text colours hard to read</source>
        <translation>%1 colores de texto difíciles de leer</translation>
    </message>
    <message>
        <source>1 icon or arrow hard to see</source>
        <translation>1 icono o flecha difícil de ver</translation>
    </message>
    <message>
        <source>%1 icons or arrows hard to see</source>
        <translation>%1 iconos o flechas difíciles de ver</translation>
    </message>
</context>
<context>
    <name>brindle::MenuImportActions</name>
    <message>
        <source>Import &amp;Menu…</source>
        <translation>&amp;Importar menú…</translation>
    </message>
    <message>
        <source>Take the menu of a site&apos;s page, sitemap or outline; the style stays</source>
        <translation>Tomar el menú de una página, un mapa del sitio o un esquema; el estilo se mantiene</translation>
    </message>
    <message>
        <source>Menu Not Imported</source>
        <translation>Menú no importado</translation>
    </message>
    <message>
        <source>No menu could be taken from “%1”: %2</source>
        <translation>No se pudo tomar ningún menú de «%1»: %2</translation>
    </message>
    <message>
        <source>Import Menu</source>
        <translation>Importar menú</translation>
    </message>
    <message>
        <source>The menu of “%1” was imported; Undo brings the previous one back.</source>
        <translation>Se importó el menú de «%1»; Deshacer recupera el anterior.</translation>
    </message>
    <message>
        <source>Menu Imported</source>
        <translation>Menú importado</translation>
    </message>
    <message>
        <source>The menu of “%1” was imported. Not all of it could be taken as it was:

%2</source>
        <translation>Se importó el menú de «%1». No todo pudo tomarse tal como estaba:

%2</translation>
    </message>
</context>
<context>
    <name>brindle::MenuItemForm</name>
    <message>
        <source>Icon &amp;follows the text colour</source>
        <translation>El icono &amp;sigue el color del texto</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Space between the icon and the title</source>
        <translation>Espacio entre el icono y el título</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>Ti&amp;po:</translation>
    </message>
    <message>
        <source>&amp;Link:</source>
        <translation>&amp;Enlace:</translation>
    </message>
    <message>
        <source>&amp;Icon:</source>
        <translation>&amp;Icono:</translation>
    </message>
    <message>
        <source>Icon (&amp;2×):</source>
        <translation>Icono (&amp;2×):</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>Icon &amp;gap:</source>
        <translation>Sep&amp;aración del icono:</translation>
    </message>
    <message>
        <source>Icon gap</source>
        <translation>Separación del icono</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Choose %1 file</source>
        <translation>Elegir archivo de %1</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Quitar %1</translation>
    </message>
    <message>
        <source>C&amp;reate</source>
        <translation>C&amp;rear</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Choose Icon</source>
        <translation>Elegir icono</translation>
    </message>
    <message>
        <source>Choose Double-Resolution Icon</source>
        <translation>Elegir icono de doble resolución</translation>
    </message>
    <message>
        <source>Icons (*.svg *.svgz *.png *.jpeg *.jpg *.gif *.SVG *.SVGZ *.PNG *.JPEG *.JPG *.GIF)</source>
        <translation>Iconos (*.svg *.svgz *.png *.jpeg *.jpg *.gif *.SVG *.SVGZ *.PNG *.JPEG *.JPG *.GIF)</translation>
    </message>
    <message>
        <source>SVG icons (*.svg *.svgz *.SVG *.SVGZ)</source>
        <translation>Iconos SVG (*.svg *.svgz *.SVG *.SVGZ)</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpeg *.jpg *.gif *.PNG *.JPEG *.JPG *.GIF)</source>
        <translation>Imágenes (*.png *.jpeg *.jpg *.gif *.PNG *.JPEG *.JPG *.GIF)</translation>
    </message>
    <message>
        <source>An SVG icon is sharp at every size: it needs no double-resolution file.</source>
        <translation>Un icono SVG es nítido a cualquier tamaño: no necesita un archivo de doble resolución.</translation>
    </message>
    <message>
        <source>The icon&apos;s black parts take the colour of the item&apos;s text, also on hover and while pressed (an SVG icon only)</source>
        <translation>Las partes negras del icono toman el color del texto del elemento, también al pasar el cursor y al pulsarlo (solo iconos SVG)</translation>
    </message>
    <message>
        <source>Classic pages show the icon&apos;s pictures, which keep their colours: choose the Modern output style for an icon in the text&apos;s colour</source>
        <translation>Las páginas de estilo Clásico muestran las imágenes del icono, que conservan sus colores: elija el estilo de salida Moderno para un icono del color del texto</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>Sub Menu</source>
        <translation>Submenú</translation>
    </message>
    <message>
        <source>Third Level</source>
        <translation>Tercer nivel</translation>
    </message>
</context>
<context>
    <name>brindle::MenuStructureView</name>
    <message>
        <source>Add a menu item</source>
        <translation>Añadir un elemento de menú</translation>
    </message>
    <message>
        <source>Remove the selected item</source>
        <translation>Eliminar el elemento seleccionado</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Editar…</translation>
    </message>
    <message>
        <source>Edit the selected item</source>
        <translation>Editar el elemento seleccionado</translation>
    </message>
    <message>
        <source>Menu items</source>
        <translation>Elementos del menú</translation>
    </message>
    <message>
        <source>“%1”: %2</source>
        <translation>«%1»: %2</translation>
    </message>
    <message>
        <source>“%1” was cleaned for the web: left out %2.</source>
        <translation>«%1» se limpió para la web, omitiendo %2.</translation>
    </message>
    <message>
        <source>The icon is kept as %1: another picture is already called %2.</source>
        <translation>El icono se guarda como %1: ya hay otra imagen llamada %2.</translation>
    </message>
    <message>
        <source>Icon Not Used</source>
        <translation>Icono no usado</translation>
    </message>
    <message>
        <source>An icon could not be used.</source>
        <translation>No se pudo usar un icono.</translation>
    </message>
    <message>
        <source>Two icons could not be used.</source>
        <translation>No se pudieron usar dos iconos.</translation>
    </message>
    <message>
        <source>The item keeps the icon it had before.</source>
        <translation>El elemento conserva el icono que tenía.</translation>
    </message>
    <message>
        <source>Delete Menu</source>
        <translation>Eliminar menú</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot; and all of its sub menus?</source>
        <translation>¿Seguro que desea eliminar «%1» y todos sus submenús?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>brindle::MenuTreeModel</name>
    <message>
        <source>Rename Item</source>
        <translation>Renombrar elemento</translation>
    </message>
    <message>
        <source>Move Item</source>
        <translation>Mover elemento</translation>
    </message>
    <message>
        <source>Add Item</source>
        <translation>Añadir elemento</translation>
    </message>
    <message>
        <source>Delete “%1”</source>
        <translation>Eliminar «%1»</translation>
    </message>
    <message>
        <source>Edit Item</source>
        <translation>Editar elemento</translation>
    </message>
</context>
<context>
    <name>brindle::OutputView</name>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>Moderno</translation>
    </message>
    <message>
        <source>Classic: the original page, opened by mouse hover.
Modern: standard CSS in a navigation landmark, usable with the keyboard, on touch screens and on phones.</source>
        <translation>Clásico: la página original, cuyo menú se abre al pasar el ratón.
Moderno: CSS estándar en un punto de referencia de navegación, utilizable con el teclado, en pantallas táctiles y en móviles.</translation>
    </message>
    <message>
        <source>The name screen readers give the navigation landmark</source>
        <translation>El nombre que los lectores de pantalla dan al punto de referencia de navegación</translation>
    </message>
    <message>
        <source>Narrower screens show the menu as a vertical list behind a “Menu” button</source>
        <translation>Las pantallas más estrechas muestran el menú como una lista vertical tras un botón «Menu»</translation>
    </message>
    <message>
        <source>Every class and id of the Modern page and of the snippet starts with it, so the menu keeps to itself in your site: letters, digits, “-” and “_”, beginning with a letter</source>
        <translation>Todas las clases e id de la página Moderna y del fragmento empiezan por él, para que el menú no interfiera con el resto de su sitio: letras, dígitos, «-» y «_», empezando por una letra</translation>
    </message>
    <message>
        <source>style</source>
        <translation>estilo</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>menu name</source>
        <translation>nombre del menú</translation>
    </message>
    <message>
        <source>Menu name</source>
        <translation>Nombre del menú</translation>
    </message>
    <message>
        <source>phone layout below</source>
        <translation>vista de móvil por debajo de</translation>
    </message>
    <message>
        <source>Phone below</source>
        <translation>Móvil: menos de</translation>
    </message>
    <message>
        <source>class name</source>
        <translation>nombre de clase</translation>
    </message>
    <message>
        <source>Class name</source>
        <translation>Nombre de clase</translation>
    </message>
    <message>
        <source>A class name holds letters, digits, “-” and “_” only: “site-nav”, not “site nav”</source>
        <translation>Un nombre de clase solo admite letras, dígitos, «-» y «_»: «site-nav», no «site nav»</translation>
    </message>
    <message>
        <source>The class name cannot be empty; it stays “%1”</source>
        <translation>El nombre de clase no puede estar vacío; se mantiene «%1»</translation>
    </message>
    <message>
        <source>“%1” is not a class name: it must begin with a letter; it stays “%2”</source>
        <translation>«%1» no es un nombre de clase: debe empezar por una letra; se mantiene «%2»</translation>
    </message>
    <message>
        <source>From the page</source>
        <translation>La de la página</translation>
    </message>
    <message>
        <source>Left to right</source>
        <translation>De izquierda a derecha</translation>
    </message>
    <message>
        <source>Right to left</source>
        <translation>De derecha a izquierda</translation>
    </message>
    <message>
        <source>From the page: the menu reads as the page around it does, right to left on an Arabic or Hebrew page. The other two fix the direction on the menu itself.</source>
        <translation>La de la página: el menú se lee como la página que lo rodea, de derecha a izquierda en una página en árabe o hebreo. Las otras dos fijan la dirección en el propio menú.</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>dirección</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Classic pages show two levels: the menu’s third level stays in the design but is not on the page.</source>
        <translation>Las páginas clásicas muestran dos niveles: el tercer nivel del menú se queda en el diseño, pero no está en la página.</translation>
    </message>
</context>
<context>
    <name>brindle::PreviewArea</name>
    <message>
        <source>&amp;Desktop Width</source>
        <translation>Ancho de es&amp;critorio</translation>
    </message>
    <message>
        <source>&amp;Tablet Width (768 px)</source>
        <translation>Ancho de &amp;tableta (768 px)</translation>
    </message>
    <message>
        <source>&amp;Phone Width (375 px)</source>
        <translation>Ancho de &amp;móvil (375 px)</translation>
    </message>
    <message>
        <source>Preview width</source>
        <translation>Ancho de la vista previa</translation>
    </message>
</context>
<context>
    <name>brindle::ProjectActions</name>
    <message>
        <source>Save Failed</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>The project could not be saved to “%1”: %2</source>
        <translation>No se pudo guardar el proyecto en «%1»: %2</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Guardado: %1</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>Error al abrir</translation>
    </message>
    <message>
        <source>The project “%1” could not be opened: %2</source>
        <translation>No se pudo abrir el proyecto «%1»: %2</translation>
    </message>
    <message>
        <source>Design Not Used</source>
        <translation>Diseño no aplicado</translation>
    </message>
    <message>
        <source>The design could not be used: %1</source>
        <translation>No se pudo usar el diseño: %1</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>Abierto: %1</translation>
    </message>
    <message>
        <source>Opened %1; one icon is kept under a new name</source>
        <translation>Abierto: %1; un icono se conserva con otro nombre</translation>
    </message>
    <message>
        <source>Opened %1; %2 icons are kept under new names</source>
        <translation>Abierto: %1; %2 iconos se conservan con otros nombres</translation>
    </message>
    <message>
        <source>Opened %1 without one of its icons</source>
        <translation>Abierto: %1, sin uno de sus iconos</translation>
    </message>
    <message>
        <source>Opened %1 without %2 of its icons</source>
        <translation>Abierto: %1, sin %2 de sus iconos</translation>
    </message>
    <message>
        <source>Items Without Titles</source>
        <translation>Elementos sin título</translation>
    </message>
    <message>
        <source>%1 was opened, but one item has no title: its link says nothing to visitors.</source>
        <translation>%1 se abrió, pero un elemento no tiene título: su enlace no dice nada a los visitantes.</translation>
    </message>
    <message>
        <source>%1 was opened, but %2 items have no title: their links say nothing to visitors.</source>
        <translation>%1 se abrió, pero %2 elementos no tienen título: sus enlaces no dicen nada a los visitantes.</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 más</translation>
    </message>
    <message>
        <source>Give a title to %1.</source>
        <translation>Asigne un título a %1.</translation>
    </message>
    <message>
        <source>Icons Left Out</source>
        <translation>Iconos omitidos</translation>
    </message>
    <message>
        <source>%1 was opened, but one icon could not be used.</source>
        <translation>%1 se abrió, pero no se pudo usar un icono.</translation>
    </message>
    <message>
        <source>%1 was opened, but %2 icons could not be used.</source>
        <translation>%1 se abrió, pero no se pudieron usar %2 iconos.</translation>
    </message>
    <message>
        <source>… and %1 more.</source>
        <translation>… y %1 más.</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Error al exportar</translation>
    </message>
    <message>
        <source>The page could not be written to “%1”: %2</source>
        <translation>No se pudo escribir la página en «%1»: %2</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>Exportado: %1</translation>
    </message>
    <message>
        <source>The stylesheet could not be written to “%1”: %2</source>
        <translation>No se pudo escribir la hoja de estilos en «%1»: %2</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exportado a %1</translation>
    </message>
    <message>
        <source>Not every file could be exported to “%1”:
%2</source>
        <translation>No se pudieron exportar todos los archivos a «%1»:
%2</translation>
    </message>
    <message>
        <source>Exported the menu to %1; %2 says what goes into your page</source>
        <translation>Menú exportado a %1; %2 indica lo que debe incluir su página</translation>
    </message>
    <message>
        <source>Replace Files?</source>
        <translation>¿Reemplazar archivos?</translation>
    </message>
    <message>
        <source>“%1” already holds files of these names. Replace them with the menu’s?</source>
        <translation>«%1» ya contiene archivos con estos nombres. ¿Desea reemplazarlos por los del menú?</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>Copied the menu&apos;s HTML; the comment at its top says what else your page needs</source>
        <translation>HTML del menú copiado; el comentario del principio indica qué más necesita su página</translation>
    </message>
    <message>
        <source>Copied the menu&apos;s CSS</source>
        <translation>CSS del menú copiado</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Guardar proyecto</translation>
    </message>
    <message>
        <source>“%1” already exists. Do you want to replace it?</source>
        <translation>«%1» ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Abrir proyecto</translation>
    </message>
    <message>
        <source>Export HTML</source>
        <translation>Exportar HTML</translation>
    </message>
    <message>
        <source>Export CSS</source>
        <translation>Exportar CSS</translation>
    </message>
    <message>
        <source>Export All Files</source>
        <translation>Exportar todos los archivos</translation>
    </message>
    <message>
        <source>Export Snippet</source>
        <translation>Exportar fragmento</translation>
    </message>
    <message>
        <source>Brindle projects (*.brindleprj)</source>
        <translation>Proyectos de Brindle (*.brindleprj)</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>Import Menu</source>
        <translation>Importar menú</translation>
    </message>
    <message>
        <source>Pages, sitemaps and outlines (*.html *.htm *.xhtml *.xml *.md *.markdown *.txt);;All files (*)</source>
        <translation>Páginas, mapas del sitio y esquemas (*.html *.htm *.xhtml *.xml *.md *.markdown *.txt);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>brindle::QuickBackgroundPanel</name>
    <message>
        <source>Background (Normal)</source>
        <translation>Fondo (normal)</translation>
    </message>
    <message>
        <source>Background (Hover)</source>
        <translation>Fondo (hover)</translation>
    </message>
    <message>
        <source>Background (Active)</source>
        <translation>Fondo (activo)</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>Sub-menu</source>
        <translation>Submenú</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidad</translation>
    </message>
    <message>
        <source>background colour</source>
        <translation>color de fondo</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>text brightness</source>
        <translation>brillo del texto</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>opacity</source>
        <translation>opacidad</translation>
    </message>
    <message>
        <source>No brightness of this text colour reads on its background: choose another background colour</source>
        <translation>Ningún brillo de este color de texto se lee bien sobre su fondo: elija otro color de fondo</translation>
    </message>
    <message>
        <source>Text at %1 % would not read on its background; %2 % is the nearest that does</source>
        <translation>El texto al %1 % no se leería bien sobre su fondo; %2 % es el valor más cercano que sí se lee</translation>
    </message>
</context>
<context>
    <name>brindle::QuickModeGeneralView</name>
    <message>
        <source>Square</source>
        <translation>Rectas</translation>
    </message>
    <message>
        <source>Rounded</source>
        <translation>Redondeadas</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Redondas</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>corner shape</source>
        <translation>forma de las esquinas</translation>
    </message>
    <message>
        <source>Corners</source>
        <translation>Esquinas</translation>
    </message>
</context>
<context>
    <name>brindle::QuickModeView</name>
    <message>
        <source>menu colour</source>
        <translation>color del menú</translation>
    </message>
    <message>
        <source>Menu colour</source>
        <translation>Color del menú</translation>
    </message>
    <message>
        <source>No text colour of this hue reads on the %1 background: choose another menu colour, or set the text in the Main Menu mode</source>
        <translation>Ningún color de texto de este tono se lee bien sobre el fondo %1: elija otro color de menú o defina el texto en el modo Menú principal</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>hover</source>
        <translation>hover</translation>
    </message>
    <message>
        <source>active</source>
        <translation>activo</translation>
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
        <translation>Proyecto no encontrado</translation>
    </message>
    <message>
        <source>The project “%1” can no longer be found. It was moved or deleted, and has been removed from the recent projects.</source>
        <translation>Ya no se encuentra el proyecto «%1». Se movió o se eliminó, y se ha quitado de los proyectos recientes.</translation>
    </message>
</context>
<context>
    <name>brindle::RecoveryFile</name>
    <message>
        <source>The folder “%1” cannot be made.</source>
        <translation>No se puede crear la carpeta «%1».</translation>
    </message>
    <message>
        <source>The recovery file is in use.</source>
        <translation>El archivo de recuperación está en uso.</translation>
    </message>
</context>
<context>
    <name>brindle::RelatedAppsSheet</name>
    <message>
        <source>Related Applications</source>
        <translation>Aplicaciones relacionadas</translation>
    </message>
    <message>
        <source>A fast editor for HTML, CSS and JavaScript, with snippets and syntax highlighting.</source>
        <translation>Un editor rápido de HTML, CSS y JavaScript, con fragmentos de código y resaltado de sintaxis.</translation>
    </message>
    <message>
        <source>A light editor for web pages and code, with a symbol list and build commands.</source>
        <translation>Un editor ligero de páginas web y código, con lista de símbolos y comandos de compilación.</translation>
    </message>
    <message>
        <source>A browser with tools for inspecting layouts, styles and scripts.</source>
        <translation>Un navegador con herramientas para inspeccionar maquetaciones, estilos y scripts.</translation>
    </message>
    <message>
        <source>Edits photos and draws bitmap images such as menu icons.</source>
        <translation>Edita fotos y dibuja imágenes de mapa de bits, como iconos de menú.</translation>
    </message>
    <message>
        <source>Draws scalable vector graphics for icons and logos.</source>
        <translation>Dibuja gráficos vectoriales escalables para iconos y logotipos.</translation>
    </message>
    <message>
        <source>Uploads a finished site to a web server over FTP and SFTP.</source>
        <translation>Sube un sitio terminado a un servidor web mediante FTP y SFTP.</translation>
    </message>
    <message>
        <source>Picks colours from anywhere on the screen and keeps palettes.</source>
        <translation>Toma colores de cualquier parte de la pantalla y guarda paletas.</translation>
    </message>
</context>
<context>
    <name>brindle::SeparatorView</name>
    <message>
        <source>Separator</source>
        <translation>Separador</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>lines between items</source>
        <translation>líneas entre elementos</translation>
    </message>
    <message>
        <source>Lines between items</source>
        <translation>Líneas entre elementos</translation>
    </message>
</context>
<context>
    <name>brindle::ShadowPanel</name>
    <message>
        <source>Drop Shadow</source>
        <translation>Sombra paralela</translation>
    </message>
    <message>
        <source>Inner Shadow</source>
        <translation>Sombra interior</translation>
    </message>
    <message>
        <source>Text Shadow 1</source>
        <translation>Sombra de texto 1</translation>
    </message>
    <message>
        <source>Text Shadow 2</source>
        <translation>Sombra de texto 2</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>color</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>opacity</source>
        <translation>opacidad</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidad</translation>
    </message>
    <message>
        <source>X offset</source>
        <translation>desplazamiento X</translation>
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
        <translation>desplazamiento Y</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>size</source>
        <translation>tamaño</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
</context>
<context>
    <name>brindle::ShapePanel</name>
    <message>
        <source>Menu bar</source>
        <translation>Barra de menú:</translation>
    </message>
    <message>
        <source>Sub-menu</source>
        <translation>Submenú:</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>corner radius</source>
        <translation>radio de esquina</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>border size</source>
        <translation>grosor del borde</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Borde</translation>
    </message>
    <message>
        <source>border colour</source>
        <translation>color del borde</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>width</source>
        <translation>ancho</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
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
        <translation>Vincular relleno izquierdo y derecho</translation>
    </message>
    <message>
        <source>Unlock left and right padding</source>
        <translation>Desvincular relleno izquierdo y derecho</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierdo</translation>
    </message>
    <message>
        <source>left padding</source>
        <translation>relleno izquierdo</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecho</translation>
    </message>
    <message>
        <source>right padding</source>
        <translation>relleno derecho</translation>
    </message>
    <message>
        <source>Lock top and bottom padding together</source>
        <translation>Vincular relleno superior e inferior</translation>
    </message>
    <message>
        <source>Unlock top and bottom padding</source>
        <translation>Desvincular relleno superior e inferior</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Superior</translation>
    </message>
    <message>
        <source>top padding</source>
        <translation>relleno superior</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Inferior</translation>
    </message>
    <message>
        <source>bottom padding</source>
        <translation>relleno inferior</translation>
    </message>
    <message>
        <source>Padding</source>
        <translation>Relleno</translation>
    </message>
    <message>
        <source>While closed, Left and Right move together</source>
        <translation>Con el candado cerrado, Izquierdo y Derecho cambian a la vez</translation>
    </message>
    <message>
        <source>While closed, Top and Bottom move together</source>
        <translation>Con el candado cerrado, Superior e Inferior cambian a la vez</translation>
    </message>
    <message>
        <source>Preview in Firefox</source>
        <translation>Vista previa en Firefox</translation>
    </message>
    <message>
        <source>Firefox was not found on this computer.</source>
        <translation>No se encontró Firefox en este equipo.</translation>
    </message>
    <message>
        <source>The preview is not ready yet.</source>
        <translation>La vista previa aún no está lista.</translation>
    </message>
    <message>
        <source>Firefox could not be started.</source>
        <translation>No se pudo iniciar Firefox.</translation>
    </message>
    <message>
        <source>Firefox (%1) could not be started.</source>
        <translation>No se pudo iniciar Firefox (%1).</translation>
    </message>
</context>
<context>
    <name>brindle::SourceCodeArea</name>
    <message>
        <source>Stylesheet source</source>
        <translation>Código de la hoja de estilos</translation>
    </message>
    <message>
        <source>HTML source</source>
        <translation>Código HTML</translation>
    </message>
</context>
<context>
    <name>brindle::TextColorPanel</name>
    <message>
        <source>colour</source>
        <translation>color</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
</context>
<context>
    <name>brindle::TextView</name>
    <message>
        <source>Main Menu Text</source>
        <translation>Texto del menú principal</translation>
    </message>
    <message>
        <source>font</source>
        <translation>fuente</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>size</source>
        <translation>tamaño</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>color</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Sub Menu Text</source>
        <translation>Texto del submenú</translation>
    </message>
</context>
<context>
    <name>brindle::WorkspaceModes</name>
    <message>
        <source>&amp;Menu Structure</source>
        <translation>&amp;Estructura del menú</translation>
    </message>
    <message>
        <source>Edit the menu items, their links and icons</source>
        <translation>Editar los elementos del menú, sus enlaces e iconos</translation>
    </message>
    <message>
        <source>&amp;Quick Mode</source>
        <translation>Modo &amp;rápido</translation>
    </message>
    <message>
        <source>Style the whole menu from a few colours</source>
        <translation>Dar estilo a todo el menú a partir de unos pocos colores</translation>
    </message>
    <message>
        <source>Ma&amp;in Menu</source>
        <translation>Menú &amp;principal</translation>
    </message>
    <message>
        <source>Style the menu bar: normal, hover and active</source>
        <translation>Dar estilo a la barra de menú: normal, hover y activo</translation>
    </message>
    <message>
        <source>&amp;Sub-Menu</source>
        <translation>&amp;Submenú</translation>
    </message>
    <message>
        <source>Style the drop-down lists: normal, hover and active</source>
        <translation>Dar estilo a las listas desplegables: normal, hover y activo</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
</TS>
