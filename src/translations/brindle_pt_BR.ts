<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AccessibleWidgets</name>
    <message>
        <source>%1, %2% opaque</source>
        <translation>%1, %2% de opacidade</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Cor</translation>
    </message>
</context>
<context>
    <name>AppInfo</name>
    <message>
        <source>Copyright © 2026 The Brindle developers</source>
        <translation>Copyright © 2026 Os desenvolvedores do Brindle</translation>
    </message>
    <message>
        <source>Released under the MIT License.</source>
        <translation>Distribuído sob a Licença MIT.</translation>
    </message>
</context>
<context>
    <name>Contrast</name>
    <message>
        <source>hover background</source>
        <translation>fundo de hover</translation>
    </message>
    <message>
        <source>active background</source>
        <translation>fundo ativo</translation>
    </message>
    <message>
        <source>background</source>
        <translation>fundo</translation>
    </message>
    <message>
        <source>start</source>
        <translation>(início)</translation>
    </message>
    <message>
        <source>end</source>
        <translation>(fim)</translation>
    </message>
    <message>
        <source>stop %1</source>
        <translation>(parada %1)</translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <translation>%1 sobre %2</translation>
    </message>
    <message>
        <source>icon of “%1”</source>
        <translation>ícone de “%1”</translation>
    </message>
    <message>
        <source>drop-down arrow</source>
        <translation>seta do menu suspenso</translation>
    </message>
</context>
<context>
    <name>DesignApplier</name>
    <message>
        <source>The icon %1 of %2 %3</source>
        <translation>O ícone %1 de %2 %3</translation>
    </message>
    <message>
        <source>was left out: there is no preview folder.</source>
        <translation>foi deixado de fora: não há pasta de pré-visualização.</translation>
    </message>
    <message>
        <source>cannot be decoded and was left out.</source>
        <translation>não pode ser decodificado e foi deixado de fora.</translation>
    </message>
    <message>
        <source>cannot be encoded and was left out.</source>
        <translation>não pode ser codificado e foi deixado de fora.</translation>
    </message>
    <message>
        <source>cannot be written to the preview folder (%1) and was left out.</source>
        <translation>não pode ser gravado na pasta de pré-visualização (%1) e foi deixado de fora.</translation>
    </message>
    <message>
        <source>The icon %1 of %2 is kept as %3: another picture has its name.</source>
        <translation>O ícone %1 de %2 foi mantido como %3: outra imagem já tem esse nome.</translation>
    </message>
    <message>
        <source>The SVG icon %1 of %2 cannot be written to the preview folder (%3); its pictures stand for it.</source>
        <translation>Não é possível gravar o ícone SVG %1 de %2 na pasta de pré-visualização (%3); as imagens dele são usadas no lugar.</translation>
    </message>
    <message>
        <source>item %1 of the bar</source>
        <translation>item %1 da barra</translation>
    </message>
    <message>
        <source>item %1 under %2</source>
        <translation>item %1 sob %2</translation>
    </message>
</context>
<context>
    <name>DesignGallery</name>
    <message>
        <source>the design is not a project file</source>
        <translation>o design não é um arquivo de projeto</translation>
    </message>
    <message>
        <source>a design needs a name</source>
        <translation>um design precisa de um nome</translation>
    </message>
    <message>
        <source>a name cannot begin or end with a space</source>
        <translation>um nome não pode começar nem terminar com espaço</translation>
    </message>
    <message>
        <source>a name may have at most %1 characters</source>
        <translation>um nome pode ter no máximo %1 caracteres</translation>
    </message>
    <message>
        <source>a name cannot begin with a full stop</source>
        <translation>um nome não pode começar com ponto</translation>
    </message>
    <message>
        <source>a name cannot hold “%1”</source>
        <translation>um nome não pode conter “%1”</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>built-in designs cannot be renamed</source>
        <translation>designs integrados não podem ser renomeados</translation>
    </message>
    <message>
        <source>a design called “%1” exists</source>
        <translation>já existe um design chamado “%1”</translation>
    </message>
    <message>
        <source>the design file cannot be renamed</source>
        <translation>não é possível renomear o arquivo do design</translation>
    </message>
    <message>
        <source>built-in designs cannot be removed</source>
        <translation>designs integrados não podem ser removidos</translation>
    </message>
    <message>
        <source>the design file cannot be removed</source>
        <translation>não é possível remover o arquivo do design</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>“%1” could not be written: %2</source>
        <translation>Não foi possível gravar “%1”: %2</translation>
    </message>
    <message>
        <source>The icon “%1” was not copied: its name is not a plain file name.</source>
        <translation>O ícone “%1” não foi copiado: o nome dele não é um nome de arquivo simples.</translation>
    </message>
    <message>
        <source>The icon “%1” was not copied: %2</source>
        <translation>O ícone “%1” não foi copiado: %2</translation>
    </message>
    <message>
        <source>The icons were not copied: there is no preview folder.</source>
        <translation>Os ícones não foram copiados: não há pasta de pré-visualização.</translation>
    </message>
    <message>
        <source>%1 holds files of the same name: %2</source>
        <translation>%1 já contém arquivos com os mesmos nomes: %2</translation>
    </message>
    <message>
        <source>Classic pages show two levels: the menu’s third level stays in the design but is not on the page. The Modern style shows it.</source>
        <translation>Páginas clássicas mostram dois níveis: o terceiro nível do menu fica no design, mas não está na página. O estilo Moderno o mostra.</translation>
    </message>
</context>
<context>
    <name>GradientSettings</name>
    <message>
        <source>sub-menu</source>
        <translation>submenu,</translation>
    </message>
    <message>
        <source>main menu</source>
        <translation>menu principal,</translation>
    </message>
    <message>
        <source>hover</source>
        <translation>hover,</translation>
    </message>
    <message>
        <source>active</source>
        <translation>ativo,</translation>
    </message>
    <message>
        <source>background</source>
        <translation>fundo –</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texto –</translation>
    </message>
</context>
<context>
    <name>IconFiles</name>
    <message>
        <source>the picture cannot be encoded</source>
        <translation>não é possível codificar a imagem</translation>
    </message>
</context>
<context>
    <name>IconImporter</name>
    <message>
        <source>The preview folder is not available.</source>
        <translation>A pasta de pré-visualização não está disponível.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Não é possível ler o arquivo.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>O arquivo é maior que %1 MB.</translation>
    </message>
    <message>
        <source>The file cannot be read (%1).</source>
        <translation>Não é possível ler o arquivo (%1).</translation>
    </message>
    <message>
        <source>It is not a PNG, JPEG or GIF picture.</source>
        <translation>Não é uma imagem PNG, JPEG ou GIF.</translation>
    </message>
    <message>
        <source>The picture cannot be decoded, or it is larger than %1 pixels on a side or %2 million pixels in all.</source>
        <translation>Não é possível decodificar a imagem, ou ela tem mais de %1 pixels de lado ou mais de %2 milhões de pixels no total.</translation>
    </message>
    <message>
        <source>An SVG icon goes into the Icon field; it is sharp at every size without a double-resolution file.</source>
        <translation>Um ícone SVG vai no campo Ícone; ele fica nítido em qualquer tamanho sem um arquivo de resolução dupla.</translation>
    </message>
    <message>
        <source>It cannot be encoded for the preview folder.</source>
        <translation>Não pode ser codificado para a pasta de pré-visualização.</translation>
    </message>
    <message>
        <source>It cannot be copied into the preview folder (%1).</source>
        <translation>Não pode ser copiado para a pasta de pré-visualização (%1).</translation>
    </message>
    <message>
        <source>It cannot be used: %1.</source>
        <translation>Não pode ser usado: %1.</translation>
    </message>
    <message>
        <source>It is %1 × %2 px large; a menu icon is at most %3 px on a side.</source>
        <translation>Tem %1 × %2 px; um ícone de menu tem no máximo %3 px de lado.</translation>
    </message>
    <message>
        <source>It cannot be drawn.</source>
        <translation>Não pode ser desenhado.</translation>
    </message>
</context>
<context>
    <name>MenuImport</name>
    <message>
        <source>The page cannot be read.</source>
        <translation>Não é possível ler a página.</translation>
    </message>
    <message>
        <source>The page has no navigation and no list of links.</source>
        <translation>A página não tem navegação nem lista de links.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>O arquivo tem mais de %1 MB.</translation>
    </message>
    <message>
        <source>No menu items were found in the file.</source>
        <translation>Nenhum item de menu foi encontrado no arquivo.</translation>
    </message>
    <message>
        <source>The menu has %1 items; a menu holds at most %2.</source>
        <translation>O menu tem %1 itens; um menu comporta no máximo %2.</translation>
    </message>
    <message>
        <source>Items deeper than %1 levels, placed in level %1: %2</source>
        <translation>Itens além de %1 níveis, colocados no nível %1: %2</translation>
    </message>
    <message>
        <source>Items without a title, left out: %1</source>
        <translation>Itens sem título, deixados de fora: %1</translation>
    </message>
    <message>
        <source>Script links, left out (their items kept without a link): %1</source>
        <translation>Links de script, deixados de fora (os itens foram mantidos sem link): %1</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>Não é possível ler o arquivo: %1</translation>
    </message>
    <message>
        <source>The file is a sitemap index: import one of the sitemaps it lists.</source>
        <translation>O arquivo é um índice de sitemaps: importe um dos sitemaps que ele lista.</translation>
    </message>
    <message>
        <source>The file is not a sitemap (a urlset of sitemaps.org).</source>
        <translation>O arquivo não é um sitemap (um urlset do sitemaps.org).</translation>
    </message>
    <message>
        <source>The sitemap cannot be read: %1 (line %2).</source>
        <translation>Não é possível ler o sitemap: %1 (linha %2).</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Addresses listed twice, taken once: %1</source>
        <translation>Endereços repetidos, aproveitados uma vez: %1</translation>
    </message>
    <message>
        <source>Entries that are not web addresses, left out: %1</source>
        <translation>Entradas que não são endereços web, deixadas de fora: %1</translation>
    </message>
    <message>
        <source>The sitemap lists no web addresses.</source>
        <translation>O sitemap não lista endereços web.</translation>
    </message>
</context>
<context>
    <name>MenuStructureView</name>
    <message>
        <source>A menu item needs a title: a link without one says nothing to visitors.</source>
        <translation>Um item de menu precisa de um título: um link sem título não diz nada aos visitantes.</translation>
    </message>
</context>
<context>
    <name>PageOpener</name>
    <message>
        <source>Page Not Opened</source>
        <translation>Página não aberta</translation>
    </message>
    <message>
        <source>The page could not be opened in a browser: %1</source>
        <translation>Não foi possível abrir a página em um navegador: %1</translation>
    </message>
    <message>
        <source>Open it by hand:
%1</source>
        <translation>Abra-a manualmente:
%1</translation>
    </message>
    <message>
        <source>the desktop&apos;s opener (xdg-open) is missing.</source>
        <translation>o programa que abre arquivos no ambiente de trabalho (xdg-open) não foi encontrado.</translation>
    </message>
    <message>
        <source>the desktop&apos;s opener (xdg-open) ended with error %1.</source>
        <translation>o programa que abre arquivos no ambiente de trabalho (xdg-open) terminou com o erro %1.</translation>
    </message>
</context>
<context>
    <name>PreviewFolder</name>
    <message>
        <source>the name is reserved for Brindle&apos;s own use</source>
        <translation>o nome é reservado para uso do próprio Brindle</translation>
    </message>
    <message>
        <source>the preview folder&apos;s file list cannot be written</source>
        <translation>não é possível gravar a lista de arquivos da pasta de pré-visualização</translation>
    </message>
    <message>
        <source>the old script cannot be removed</source>
        <translation>não é possível remover o script antigo</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>the file cannot be read: </source>
        <translation>não é possível ler o arquivo: </translation>
    </message>
    <message>
        <source>the file is too large to be a project file</source>
        <translation>o arquivo é grande demais para ser um arquivo de projeto</translation>
    </message>
    <message>
        <source>the file is not a property list</source>
        <translation>o arquivo não é uma lista de propriedades</translation>
    </message>
    <message>
        <source>the file is a property list but not an array</source>
        <translation>o arquivo é uma lista de propriedades, mas não uma matriz</translation>
    </message>
</context>
<context>
    <name>ProjectReader</name>
    <message>
        <source>the file ends early: %1 is missing</source>
        <translation>o arquivo termina antes do esperado: falta %1</translation>
    </message>
    <message>
        <source>element %1 (%2) should be %3 but is %4</source>
        <translation>o elemento %1 (%2) deveria ser %3, mas é %4</translation>
    </message>
    <message>
        <source>element %1 (%2) holds %3, which is out of range</source>
        <translation>o elemento %1 (%2) contém %3, que está fora do intervalo permitido</translation>
    </message>
    <message>
        <source>element %1 (%2) is not a finite number</source>
        <translation>o elemento %1 (%2) não é um número finito</translation>
    </message>
    <message>
        <source>element %1 (%2) is negative: %3</source>
        <translation>o elemento %1 (%2) é negativo: %3</translation>
    </message>
    <message>
        <source>element %1 (%2) claims %3 items, more than the file holds</source>
        <translation>o elemento %1 (%2) indica %3 itens, mais do que o arquivo contém</translation>
    </message>
    <message>
        <source>which is not valid UTF-8 text</source>
        <translation>que não é um texto UTF-8 válido</translation>
    </message>
    <message>
        <source>which is longer than a file name may be (%1 bytes)</source>
        <translation>que é mais longo do que um nome de arquivo pode ser (%1 bytes)</translation>
    </message>
    <message>
        <source>which is not a plain file name or is reserved for a generated file</source>
        <translation>que não é um nome de arquivo simples ou é reservado para um arquivo gerado</translation>
    </message>
    <message>
        <source>, file name</source>
        <translation>, nome do arquivo</translation>
    </message>
    <message>
        <source>%1 has the file name %2, %3</source>
        <translation>%1 tem o nome de arquivo %2, %3</translation>
    </message>
    <message>
        <source>, icon class</source>
        <translation>, classe do ícone</translation>
    </message>
    <message>
        <source>, icon gap</source>
        <translation>, espaço do ícone</translation>
    </message>
    <message>
        <source>, double-resolution icon</source>
        <translation>, ícone de resolução dupla</translation>
    </message>
    <message>
        <source>number of menu items</source>
        <translation>número de itens de menu</translation>
    </message>
    <message>
        <source>menu item %1</source>
        <translation>item de menu %1</translation>
    </message>
    <message>
        <source>, number of sub-items</source>
        <translation>, número de subitens</translation>
    </message>
    <message>
        <source>the file has %1 unexpected elements after its last menu item</source>
        <translation>o arquivo tem %1 elementos inesperados depois do último item de menu</translation>
    </message>
    <message>
        <source>%1 should be a dictionary but is %2</source>
        <translation>%1 deveria ser um dicionário, mas é %2</translation>
    </message>
    <message>
        <source>%1 has the unknown key %2</source>
        <translation>%1 tem a chave desconhecida %2</translation>
    </message>
    <message>
        <source>%1 has no SVG document as UTF-8 text</source>
        <translation>%1 não tem um documento SVG em texto UTF-8</translation>
    </message>
    <message>
        <source>%1 has no SVG file name</source>
        <translation>%1 não tem nome de arquivo SVG</translation>
    </message>
    <message>
        <source>%1 has the file name %2, which does not end in “.svg”</source>
        <translation>%1 tem o nome de arquivo %2, que não termina em “.svg”</translation>
    </message>
    <message>
        <source>%1 says whether it follows the text colour with %2, not a boolean</source>
        <translation>%1 indica se segue a cor do texto com %2, e não com um valor booleano</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>%1 não pode ser usado: %2</translation>
    </message>
    <message>
        <source>%1 holds what an icon must not: %2</source>
        <translation>%1 contém o que um ícone não deve conter: %2</translation>
    </message>
    <message>
        <source>the items section should be a dictionary but is %1</source>
        <translation>a seção de itens deveria ser um dicionário, mas é %1</translation>
    </message>
    <message>
        <source>the icon of item %1</source>
        <translation>o ícone do item %1</translation>
    </message>
    <message>
        <source>the items section names %1, which the menu does not have</source>
        <translation>a seção de itens menciona %1, que não existe no menu</translation>
    </message>
    <message>
        <source>%1 is an SVG without its two pictures</source>
        <translation>%1 é um SVG sem as suas duas imagens</translation>
    </message>
    <message>
        <source>the last element should be a dictionary of output options but is %1</source>
        <translation>o último elemento deveria ser um dicionário de opções de saída, mas é %1</translation>
    </message>
    <message>
        <source>the output style is not “classic” or “modern”</source>
        <translation>o estilo de saída não é “classic” nem “modern”</translation>
    </message>
    <message>
        <source>the navigation label is not a text that names something</source>
        <translation>o nome da região de navegação não é um texto que nomeie algo</translation>
    </message>
    <message>
        <source>the phone breakpoint is not a width from %1 to %2 pixels</source>
        <translation>o limite do layout de celular não é uma largura de %1 a %2 pixels</translation>
    </message>
    <message>
        <source>the class name is not a CSS class name of up to %1 letters, digits, “-” and “_”</source>
        <translation>o nome da classe não é um nome de classe CSS com até %1 letras, dígitos, “-” e “_”</translation>
    </message>
    <message>
        <source>the file has no version, so it is not a project file</source>
        <translation>o arquivo não tem versão; portanto, não é um arquivo de projeto</translation>
    </message>
    <message>
        <source>the file has the version %1, which this application cannot read</source>
        <translation>o arquivo tem a versão %1, que este aplicativo não consegue ler</translation>
    </message>
    <message>
        <source>the file ends early: it has %1 elements, too few for the settings and the number of menu items</source>
        <translation>o arquivo termina antes do esperado: tem %1 elementos, poucos demais para as configurações e o número de itens de menu</translation>
    </message>
    <message>
        <source>the menu&apos;s direction is not “page”, “ltr” or “rtl”</source>
        <translation>a direção do menu não é “page”, “ltr” nem “rtl”</translation>
    </message>
    <message>
        <source>setting %1</source>
        <translation>configuração %1</translation>
    </message>
    <message>
        <source>, present</source>
        <translation>, presente</translation>
    </message>
    <message>
        <source>, image</source>
        <translation>, imagem</translation>
    </message>
    <message>
        <source>, title</source>
        <translation>, título</translation>
    </message>
    <message>
        <source>, link</source>
        <translation>, link</translation>
    </message>
    <message>
        <source>, icon</source>
        <translation>, ícone</translation>
    </message>
    <message>
        <source>sub-item %1 of %2</source>
        <translation>subitem %1 de %2</translation>
    </message>
    <message>
        <source>the current page&apos;s look is not “active”, “hover” or “plain”</source>
        <translation>a aparência da página atual não é “active”, “hover” nem “plain”</translation>
    </message>
</context>
<context>
    <name>PropertyList</name>
    <message>
        <source>an integer</source>
        <translation>um número inteiro</translation>
    </message>
    <message>
        <source>a real number</source>
        <translation>um número real</translation>
    </message>
    <message>
        <source>a boolean</source>
        <translation>um valor booleano</translation>
    </message>
    <message>
        <source>a dictionary</source>
        <translation>um dicionário</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>uma matriz</translation>
    </message>
    <message>
        <source>a date</source>
        <translation>uma data</translation>
    </message>
    <message>
        <source>a key</source>
        <translation>uma chave</translation>
    </message>
    <message>
        <source>an identifier</source>
        <translation>um identificador</translation>
    </message>
    <message>
        <source>an unknown element</source>
        <translation>um elemento desconhecido</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>data</source>
        <translation>dados</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Colors</source>
        <translation>Cores</translation>
    </message>
</context>
<context>
    <name>SvgCleaner</name>
    <message>
        <source>processing instruction</source>
        <translation>instrução de processamento</translation>
    </message>
    <message>
        <source>a element&apos;s link</source>
        <translation>link do elemento a</translation>
    </message>
    <message>
        <source>id value a reference cannot name</source>
        <translation>valor de id que não pode ser referenciado</translation>
    </message>
    <message>
        <source>repeated id</source>
        <translation>id repetido</translation>
    </message>
    <message>
        <source> value reaching outside the file</source>
        <translation> (valor que aponta para fora do arquivo)</translation>
    </message>
    <message>
        <source>link outside the file</source>
        <translation>link para fora do arquivo</translation>
    </message>
    <message>
        <source>link to a missing element</source>
        <translation>link para um elemento inexistente</translation>
    </message>
    <message>
        <source>reference to a missing element</source>
        <translation>referência a um elemento inexistente</translation>
    </message>
    <message>
        <source>its elements refer to each other in a circle</source>
        <translation>seus elementos fazem referência uns aos outros em círculo</translation>
    </message>
    <message>
        <source>its references nest more than %1 deep</source>
        <translation>suas referências se aninham em mais de %1 níveis</translation>
    </message>
    <message>
        <source>its references would draw more than %1 elements</source>
        <translation>suas referências desenhariam mais de %1 elementos</translation>
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
        <translation>propriedade de estilo %1</translation>
    </message>
    <message>
        <source>%1 style value reaching outside the file</source>
        <translation>valor de estilo %1 que aponta para fora do arquivo</translation>
    </message>
    <message>
        <source>style rule for %1</source>
        <translation>regra de estilo para %1</translation>
    </message>
</context>
<context>
    <name>SvgIcon</name>
    <message>
        <source>it cannot be decompressed</source>
        <translation>não pode ser descompactado</translation>
    </message>
    <message>
        <source>it is larger than %1 KB once decompressed</source>
        <translation>tem mais de %1 KB depois de descompactado</translation>
    </message>
    <message>
        <source>it is not a complete gzip stream</source>
        <translation>não é um fluxo gzip completo</translation>
    </message>
</context>
<context>
    <name>SvgTree</name>
    <message>
        <source>it is larger than %1 KB</source>
        <translation>tem mais de %1 KB</translation>
    </message>
    <message>
        <source>it declares a DTD or entities, which an icon never needs</source>
        <translation>declara uma DTD ou entidades, das quais um ícone nunca precisa</translation>
    </message>
    <message>
        <source>its elements are nested more than %1 deep</source>
        <translation>seus elementos estão aninhados em mais de %1 níveis</translation>
    </message>
    <message>
        <source>it has more than %1 elements</source>
        <translation>tem mais de %1 elementos</translation>
    </message>
    <message>
        <source>it is not an SVG image</source>
        <translation>não é uma imagem SVG</translation>
    </message>
    <message>
        <source>it is not well-formed XML (%1)</source>
        <translation>não é um XML bem-formado (%1)</translation>
    </message>
</context>
<context>
    <name>TabStripView</name>
    <message>
        <source>Menu bar state</source>
        <translation>Estado da barra de menus</translation>
    </message>
    <message>
        <source>Sub-menu state</source>
        <translation>Estado do submenu</translation>
    </message>
    <message>
        <source>Source code</source>
        <translation>Código-fonte</translation>
    </message>
    <message>
        <source>Application category</source>
        <translation>Categoria de aplicativo</translation>
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
        <translation>Ativo</translation>
    </message>
    <message>
        <source>Developer Tools</source>
        <translation>Desenvolvimento</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Utilitários</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Atual</translation>
    </message>
</context>
<context>
    <name>ThumbnailCache</name>
    <message>
        <source>nothing to keep</source>
        <translation>não há nada para guardar</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>the picture cannot be encoded</source>
        <translation>não é possível codificar a imagem</translation>
    </message>
</context>
<context>
    <name>brindle::AboutSheet</name>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Navigation bars with drop-down menus, without writing code.</source>
        <translation>Barras de navegação com menus suspensos, sem escrever código.</translation>
    </message>
</context>
<context>
    <name>brindle::ContrastBadge</name>
    <message>
        <source>Text contrast</source>
        <translation>Contraste do texto</translation>
    </message>
    <message>
        <source>The text&apos;s contrast is %1 at worst, against the %2.</source>
        <translation>No pior caso, o contraste do texto é de %1 em relação ao %2.</translation>
    </message>
    <message>
        <source>That is below %1 for text of this size, hard to read for many visitors; 3 : 1 applies from 24 px, or 18.66 px bold.</source>
        <translation>Isso fica abaixo de %1 para texto deste tamanho e dificulta a leitura para muitos visitantes; 3 : 1 vale a partir de 24 px, ou 18.66 px em negrito.</translation>
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
        <translation>Submenu</translation>
    </message>
    <message>
        <source>Hover</source>
        <translation>Hover</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Ativo</translation>
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
        <translation>Verificar contraste</translation>
    </message>
    <message>
        <source>Contrast of text, icons and arrows</source>
        <translation>Contraste de textos, ícones e setas</translation>
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
        <translation>Necessário</translation>
    </message>
    <message>
        <source>Fix in</source>
        <translation>Corrigir em</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Sub-Menu</source>
        <translation>Submenu</translation>
    </message>
    <message>
        <source>%1 → %2 tab</source>
        <translation>%1 → aba %2</translation>
    </message>
    <message>
        <source>Return or a double click goes there</source>
        <translation>Enter ou um clique duplo leva até lá</translation>
    </message>
    <message>
        <source>on the %1</source>
        <translation>no %1</translation>
    </message>
    <message>
        <source>%1 on the %2</source>
        <translation>%1 no %2</translation>
    </message>
    <message>
        <source>A quarter of what it draws reaches this contrast; icons and arrows need 3 : 1.</source>
        <translation>Um quarto do que é desenhado atinge este contraste; ícones e setas precisam de 3 : 1.</translation>
    </message>
</context>
<context>
    <name>brindle::CurrentPageView</name>
    <message>
        <source>Current page</source>
        <translation>Página atual</translation>
    </message>
    <message>
        <source>As pressed</source>
        <translation>Como pressionado</translation>
    </message>
    <message>
        <source>As hovered</source>
        <translation>Como sob o ponteiro</translation>
    </message>
    <message>
        <source>As the others</source>
        <translation>Como os demais</translation>
    </message>
    <message>
        <source>How a Modern menu shows the bar&apos;s item of the page being shown, and the bar&apos;s item above a current sub-item. Your site&apos;s own aria-current=&quot;page&quot; marks work too.</source>
        <translation>Como um menu moderno mostra o item da barra da página exibida, e o item da barra acima de um subitem atual. As marcações aria-current=&quot;page&quot; do seu site também funcionam.</translation>
    </message>
    <message>
        <source>How a Modern menu shows the drop-down item of the page being shown.</source>
        <translation>Como um menu moderno mostra o item suspenso da página exibida.</translation>
    </message>
    <message>
        <source>current page</source>
        <translation>página atual</translation>
    </message>
    <message>
        <source>Looks</source>
        <translation>Aparência</translation>
    </message>
</context>
<context>
    <name>brindle::DesignGalleryDialog</name>
    <message>
        <source>%1, built-in design</source>
        <translation>%1, design integrado</translation>
    </message>
    <message>
        <source>%1, your design</source>
        <translation>%1, seu design</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Escolher</translation>
    </message>
    <message>
        <source>Re&amp;name…</source>
        <translation>Re&amp;nomear…</translation>
    </message>
    <message>
        <source>&amp;Remove…</source>
        <translation>&amp;Remover…</translation>
    </message>
    <message>
        <source>&amp;Show this gallery when Brindle starts</source>
        <translation>&amp;Mostrar esta galeria ao iniciar o Brindle</translation>
    </message>
    <message>
        <source>New from Design</source>
        <translation>Novo a partir de design</translation>
    </message>
    <message>
        <source>Choose a design to start from. You may keep your menu or take the design&apos;s sample menu.</source>
        <translation>Escolha um design para começar. Você pode manter seu menu ou usar o menu de exemplo do design.</translation>
    </message>
    <message>
        <source>Designs</source>
        <translation>Designs</translation>
    </message>
    <message>
        <source>Continue with:</source>
        <translation>Continuar com:</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Abrir %1</translation>
    </message>
    <message>
        <source>Rename Design</source>
        <translation>Renomear design</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Novo nome:</translation>
    </message>
    <message>
        <source>Design Not Renamed</source>
        <translation>Design não renomeado</translation>
    </message>
    <message>
        <source>“%1” could not be renamed: %2.</source>
        <translation>Não foi possível renomear “%1”: %2.</translation>
    </message>
    <message>
        <source>Remove Design</source>
        <translation>Remover design</translation>
    </message>
    <message>
        <source>Remove “%1” from the gallery?</source>
        <translation>Remover “%1” da galeria?</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Design Not Removed</source>
        <translation>Design não removido</translation>
    </message>
    <message>
        <source>“%1” could not be removed: %2.</source>
        <translation>Não foi possível remover “%1”: %2.</translation>
    </message>
</context>
<context>
    <name>brindle::DesignHistory</name>
    <message>
        <source>Menu Change</source>
        <translation>Alteração no menu</translation>
    </message>
    <message>
        <source>Output Options</source>
        <translation>Opções de saída</translation>
    </message>
    <message>
        <source>Style Change</source>
        <translation>Alteração de estilo</translation>
    </message>
</context>
<context>
    <name>brindle::Document</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Recover &amp;Unsaved Work…</source>
        <translation>Rec&amp;uperar trabalho não salvo…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Salvar c&amp;omo…</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Desfazer %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Refazer %1</translation>
    </message>
    <message>
        <source>Icons Not Restored</source>
        <translation>Ícones não restaurados</translation>
    </message>
    <message>
        <source>The preview and exports may show other pictures for these icons:
%1</source>
        <translation>A pré-visualização e as exportações podem mostrar outras imagens para estes ícones:
%1</translation>
    </message>
    <message>
        <source>Unsaved work is kept for recovery again.</source>
        <translation>O trabalho não salvo volta a ser guardado para recuperação.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sem título</translation>
    </message>
    <message>
        <source>%1[*] — Brindle</source>
        <translation>%1[*] — Brindle</translation>
    </message>
    <message>
        <source>The design</source>
        <translation>O design</translation>
    </message>
    <message>
        <source>The unsaved work</source>
        <translation>O trabalho não salvo</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Alterações não salvas</translation>
    </message>
    <message>
        <source>Do you want to save the changes to “%1”?</source>
        <translation>Deseja salvar as alterações em “%1”?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them.</source>
        <translation>Suas alterações serão perdidas se você não salvá-las.</translation>
    </message>
    <message>
        <source>Recover Unsaved Work</source>
        <translation>Recuperar trabalho não salvo</translation>
    </message>
    <message>
        <source>There is no unsaved work to recover.</source>
        <translation>Não há trabalho não salvo para recuperar.</translation>
    </message>
    <message>
        <source>Recovery Failed</source>
        <translation>Falha na recuperação</translation>
    </message>
    <message>
        <source>The unsaved work could not be read (%1); it was set aside as “%2”.</source>
        <translation>Não foi possível ler o trabalho não salvo (%1); ele foi guardado à parte como “%2”.</translation>
    </message>
    <message>
        <source>Recovery Copy Not Written</source>
        <translation>Cópia de recuperação não gravada</translation>
    </message>
    <message>
        <source>The restored work could not be kept in “%1”, so its earlier copy stays there and will be offered again. Save the design to keep it.</source>
        <translation>Não foi possível guardar o trabalho restaurado em “%1”; por isso, a cópia anterior continua lá e será oferecida novamente. Salve o design para mantê-lo.</translation>
    </message>
    <message>
        <source>Unsaved work cannot be kept for recovery in %1.</source>
        <translation>Não é possível guardar o trabalho não salvo para recuperação em %1.</translation>
    </message>
    <message>
        <source>Brindle could not keep a copy of your unsaved work in “%1”: %2
It keeps trying; save the design to be safe.</source>
        <translation>O Brindle não conseguiu guardar uma cópia do seu trabalho não salvo em “%1”: %2
Ele continua tentando; salve o design por segurança.</translation>
    </message>
</context>
<context>
    <name>brindle::GalleryActions</name>
    <message>
        <source>New from &amp;Design…</source>
        <translation>Novo a partir de &amp;design…</translation>
    </message>
    <message>
        <source>Save Design to &amp;Gallery…</source>
        <translation>Salvar design na &amp;galeria…</translation>
    </message>
    <message>
        <source>Keep Your Menu?</source>
        <translation>Manter seu menu?</translation>
    </message>
    <message>
        <source>Start from “%1” with your menu, or with the design&apos;s sample menu?</source>
        <translation>Começar a partir de “%1” com o seu menu ou com o menu de exemplo do design?</translation>
    </message>
    <message>
        <source>Your menu keeps its items, links, icons and output options; only the look changes.</source>
        <translation>Seu menu mantém os itens, links, ícones e opções de saída; só a aparência muda.</translation>
    </message>
    <message>
        <source>&amp;Keep My Menu</source>
        <translation>&amp;Manter meu menu</translation>
    </message>
    <message>
        <source>Use &amp;Sample Menu</source>
        <translation>Usar menu de &amp;exemplo</translation>
    </message>
    <message>
        <source>Save Design to Gallery</source>
        <translation>Salvar design na galeria</translation>
    </message>
    <message>
        <source>Name of the design:</source>
        <translation>Nome do design:</translation>
    </message>
    <message>
        <source>Design Not Saved</source>
        <translation>Design não salvo</translation>
    </message>
    <message>
        <source>The design was not saved: %1.</source>
        <translation>O design não foi salvo: %1.</translation>
    </message>
    <message>
        <source>Replace Design?</source>
        <translation>Substituir design?</translation>
    </message>
    <message>
        <source>A design called “%1” is in the gallery. Replace it?</source>
        <translation>Já existe um design chamado “%1” na galeria. Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>Saved “%1” to the gallery</source>
        <translation>“%1” salvo na galeria</translation>
    </message>
</context>
<context>
    <name>brindle::GradientPanel</name>
    <message>
        <source>Start</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>start</source>
        <translation>início</translation>
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
        <translation>Fim</translation>
    </message>
    <message>
        <source>end</source>
        <translation>fim</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fundo</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>%1 colour</source>
        <translation>cor (%1)</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>%1 position</source>
        <translation>posição (%1)</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidade</translation>
    </message>
    <message>
        <source>opacity</source>
        <translation>opacidade</translation>
    </message>
</context>
<context>
    <name>brindle::LeftWorkDialog</name>
    <message>
        <source>Recover Unsaved Work</source>
        <translation>Recuperar trabalho não salvo</translation>
    </message>
    <message>
        <source>Brindle ended without saving these designs. Restore one to continue where you left off; the others are kept for later.</source>
        <translation>O Brindle foi encerrado sem salvar estes designs. Restaure um para continuar de onde parou; os outros ficam guardados para depois.</translation>
    </message>
    <message>
        <source>Unsaved designs</source>
        <translation>Designs não salvos</translation>
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
        <translation>&amp;Guardar para depois</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sem título</translation>
    </message>
    <message>
        <source>%1
kept %2 — cannot be read</source>
        <translation>%1
guardado em %2 — não pode ser lido</translation>
    </message>
    <message>
        <source>1 item</source>
        <translation>1 item</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 itens</translation>
    </message>
    <message>
        <source>%1
kept %2 — %3: %4</source>
        <translation>%1
guardado em %2 — %3: %4</translation>
    </message>
    <message>
        <source>Discard Unsaved Work</source>
        <translation>Descartar trabalho não salvo</translation>
    </message>
    <message>
        <source>Discard the unsaved work “%1”?</source>
        <translation>Descartar o trabalho não salvo “%1”?</translation>
    </message>
    <message>
        <source>It cannot be brought back.</source>
        <translation>Não será possível recuperá-lo.</translation>
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
        <translation>Pré-visualização do menu</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;recente</translation>
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
        <translation>Exportar &amp;tudo…</translation>
    </message>
    <message>
        <source>Export Sn&amp;ippet…</source>
        <translation>Exportar tr&amp;echo…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>Open in &amp;Browser</source>
        <translation>Abrir no &amp;navegador</translation>
    </message>
    <message>
        <source>The preview is not ready yet.</source>
        <translation>A pré-visualização ainda não está pronta.</translation>
    </message>
    <message>
        <source>Check &amp;Contrast…</source>
        <translation>Verificar &amp;contraste…</translation>
    </message>
    <message>
        <source>Open Check Contrast</source>
        <translation>Abrir a verificação de contraste</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Copy &amp;HTML</source>
        <translation>Copiar &amp;HTML</translation>
    </message>
    <message>
        <source>Copy C&amp;SS</source>
        <translation>Copiar &amp;CSS</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Brindle &amp;Home Page</source>
        <translation>&amp;Página inicial do Brindle</translation>
    </message>
    <message>
        <source>&amp;Related Applications…</source>
        <translation>Aplicativos &amp;relacionados…</translation>
    </message>
    <message>
        <source>&amp;About Brindle</source>
        <translation>&amp;Sobre o Brindle</translation>
    </message>
    <message>
        <source>The preview folder could not be created in %1; the preview stays empty.</source>
        <translation>Não foi possível criar a pasta de pré-visualização em %1; a pré-visualização ficará vazia.</translation>
    </message>
    <message>
        <source>1 text colour hard to read</source>
        <translation>1 cor de texto difícil de ler</translation>
    </message>
    <message>
        <source>%1 text colours hard to read</source>
        <translation>%1 cores de texto difíceis de ler</translation>
    </message>
    <message>
        <source>1 icon or arrow hard to see</source>
        <translation>1 ícone ou seta difícil de ver</translation>
    </message>
    <message>
        <source>%1 icons or arrows hard to see</source>
        <translation>%1 ícones ou setas difíceis de ver</translation>
    </message>
</context>
<context>
    <name>brindle::MenuImportActions</name>
    <message>
        <source>Import &amp;Menu…</source>
        <translation>&amp;Importar menu…</translation>
    </message>
    <message>
        <source>Take the menu of a site&apos;s page, sitemap or outline; the style stays</source>
        <translation>Usar o menu de uma página, sitemap ou estrutura de tópicos do site; o estilo permanece</translation>
    </message>
    <message>
        <source>Menu Not Imported</source>
        <translation>Menu não importado</translation>
    </message>
    <message>
        <source>No menu could be taken from “%1”: %2</source>
        <translation>Não foi possível obter um menu de “%1”: %2</translation>
    </message>
    <message>
        <source>Import Menu</source>
        <translation>Importar menu</translation>
    </message>
    <message>
        <source>The menu of “%1” was imported; Undo brings the previous one back.</source>
        <translation>O menu de “%1” foi importado; Desfazer traz de volta o anterior.</translation>
    </message>
    <message>
        <source>Menu Imported</source>
        <translation>Menu importado</translation>
    </message>
    <message>
        <source>The menu of “%1” was imported. Not all of it could be taken as it was:

%2</source>
        <translation>O menu de “%1” foi importado. Nem tudo pôde ser aproveitado como estava:

%2</translation>
    </message>
</context>
<context>
    <name>brindle::MenuItemForm</name>
    <message>
        <source>Icon &amp;follows the text colour</source>
        <translation>Ícone se&amp;gue a cor do texto</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Criar</translation>
    </message>
    <message>
        <source>Space between the icon and the title</source>
        <translation>Espaço entre o ícone e o título</translation>
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
        <translation>&amp;Link:</translation>
    </message>
    <message>
        <source>&amp;Icon:</source>
        <translation>Íc&amp;one:</translation>
    </message>
    <message>
        <source>Icon (&amp;2×):</source>
        <translation>Ícone (&amp;2×):</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>Icon &amp;gap:</source>
        <translation>&amp;Espaço do ícone:</translation>
    </message>
    <message>
        <source>Icon gap</source>
        <translation>Espaço do ícone</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Escolher…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Choose %1 file</source>
        <translation>Escolher arquivo de %1</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Limpar %1</translation>
    </message>
    <message>
        <source>C&amp;reate</source>
        <translation>C&amp;riar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Choose Icon</source>
        <translation>Escolher ícone</translation>
    </message>
    <message>
        <source>Choose Double-Resolution Icon</source>
        <translation>Escolher ícone de resolução dupla</translation>
    </message>
    <message>
        <source>Icons (*.svg *.svgz *.png *.jpeg *.jpg *.gif *.SVG *.SVGZ *.PNG *.JPEG *.JPG *.GIF)</source>
        <translation>Ícones (*.svg *.svgz *.png *.jpeg *.jpg *.gif *.SVG *.SVGZ *.PNG *.JPEG *.JPG *.GIF)</translation>
    </message>
    <message>
        <source>SVG icons (*.svg *.svgz *.SVG *.SVGZ)</source>
        <translation>Ícones SVG (*.svg *.svgz *.SVG *.SVGZ)</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpeg *.jpg *.gif *.PNG *.JPEG *.JPG *.GIF)</source>
        <translation>Imagens (*.png *.jpeg *.jpg *.gif *.PNG *.JPEG *.JPG *.GIF)</translation>
    </message>
    <message>
        <source>An SVG icon is sharp at every size: it needs no double-resolution file.</source>
        <translation>Um ícone SVG fica nítido em qualquer tamanho: não precisa de um arquivo de resolução dupla.</translation>
    </message>
    <message>
        <source>The icon&apos;s black parts take the colour of the item&apos;s text, also on hover and while pressed (an SVG icon only)</source>
        <translation>As partes pretas do ícone assumem a cor do texto do item, também no hover e enquanto pressionado (somente ícones SVG)</translation>
    </message>
    <message>
        <source>Classic pages show the icon&apos;s pictures, which keep their colours: choose the Modern output style for an icon in the text&apos;s colour</source>
        <translation>Páginas no estilo Clássico mostram as imagens do ícone, que mantêm suas cores: escolha o estilo de saída Moderno para ter um ícone na cor do texto</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Sub Menu</source>
        <translation>Submenu</translation>
    </message>
    <message>
        <source>Third Level</source>
        <translation>Terceiro nível</translation>
    </message>
</context>
<context>
    <name>brindle::MenuStructureView</name>
    <message>
        <source>Add a menu item</source>
        <translation>Adicionar um item de menu</translation>
    </message>
    <message>
        <source>Remove the selected item</source>
        <translation>Remover o item selecionado</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Editar…</translation>
    </message>
    <message>
        <source>Edit the selected item</source>
        <translation>Editar o item selecionado</translation>
    </message>
    <message>
        <source>Menu items</source>
        <translation>Itens de menu</translation>
    </message>
    <message>
        <source>“%1”: %2</source>
        <translation>“%1”: %2</translation>
    </message>
    <message>
        <source>“%1” was cleaned for the web: left out %2.</source>
        <translation>“%1” foi limpo para a web; itens omitidos: %2.</translation>
    </message>
    <message>
        <source>The icon is kept as %1: another picture is already called %2.</source>
        <translation>O ícone foi mantido como %1: já existe outra imagem chamada %2.</translation>
    </message>
    <message>
        <source>Icon Not Used</source>
        <translation>Ícone não usado</translation>
    </message>
    <message>
        <source>An icon could not be used.</source>
        <translation>Não foi possível usar um ícone.</translation>
    </message>
    <message>
        <source>Two icons could not be used.</source>
        <translation>Não foi possível usar dois ícones.</translation>
    </message>
    <message>
        <source>The item keeps the icon it had before.</source>
        <translation>O item mantém o ícone que tinha antes.</translation>
    </message>
    <message>
        <source>Delete Menu</source>
        <translation>Excluir menu</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Excluir</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot; and all of its sub menus?</source>
        <translation>Tem certeza de que deseja excluir “%1” e todos os submenus dele?</translation>
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
        <translation>Renomeação de item</translation>
    </message>
    <message>
        <source>Move Item</source>
        <translation>Movimentação de item</translation>
    </message>
    <message>
        <source>Add Item</source>
        <translation>Adição de item</translation>
    </message>
    <message>
        <source>Delete “%1”</source>
        <translation>Exclusão de “%1”</translation>
    </message>
    <message>
        <source>Edit Item</source>
        <translation>Edição de item</translation>
    </message>
</context>
<context>
    <name>brindle::OutputView</name>
    <message>
        <source>Output</source>
        <translation>Saída</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clássico</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>Moderno</translation>
    </message>
    <message>
        <source>Classic: the original page, opened by mouse hover.
Modern: standard CSS in a navigation landmark, usable with the keyboard, on touch screens and on phones.</source>
        <translation>Clássico: a página original, com menus que abrem ao passar o mouse.
Moderno: CSS padrão em uma região de navegação, utilizável com o teclado, em telas sensíveis ao toque e em celulares.</translation>
    </message>
    <message>
        <source>The name screen readers give the navigation landmark</source>
        <translation>O nome que os leitores de tela dão à região de navegação</translation>
    </message>
    <message>
        <source>Narrower screens show the menu as a vertical list behind a “Menu” button</source>
        <translation>Telas mais estreitas mostram o menu como uma lista vertical atrás de um botão “Menu”</translation>
    </message>
    <message>
        <source>Every class and id of the Modern page and of the snippet starts with it, so the menu keeps to itself in your site: letters, digits, “-” and “_”, beginning with a letter</source>
        <translation>Toda classe e todo id da página no estilo Moderno e do trecho de código começam com ele, para que o menu não interfira no resto do seu site: letras, dígitos, “-” e “_”, começando com uma letra</translation>
    </message>
    <message>
        <source>style</source>
        <translation>– estilo</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>menu name</source>
        <translation>– nome do menu</translation>
    </message>
    <message>
        <source>Menu name</source>
        <translation>Nome do menu</translation>
    </message>
    <message>
        <source>phone layout below</source>
        <translation>– layout de celular abaixo de</translation>
    </message>
    <message>
        <source>Phone below</source>
        <translation>Celular abaixo de</translation>
    </message>
    <message>
        <source>class name</source>
        <translation>– nome da classe</translation>
    </message>
    <message>
        <source>Class name</source>
        <translation>Nome da classe</translation>
    </message>
    <message>
        <source>A class name holds letters, digits, “-” and “_” only: “site-nav”, not “site nav”</source>
        <translation>Um nome de classe contém apenas letras, dígitos, “-” e “_”: “site-nav”, não “site nav”</translation>
    </message>
    <message>
        <source>The class name cannot be empty; it stays “%1”</source>
        <translation>O nome da classe não pode ficar vazio; ele continua “%1”</translation>
    </message>
    <message>
        <source>“%1” is not a class name: it must begin with a letter; it stays “%2”</source>
        <translation>“%1” não é um nome de classe válido: ele deve começar com uma letra; o nome continua “%2”</translation>
    </message>
    <message>
        <source>From the page</source>
        <translation>A da página</translation>
    </message>
    <message>
        <source>Left to right</source>
        <translation>Da esquerda para a direita</translation>
    </message>
    <message>
        <source>Right to left</source>
        <translation>Da direita para a esquerda</translation>
    </message>
    <message>
        <source>From the page: the menu reads as the page around it does, right to left on an Arabic or Hebrew page. The other two fix the direction on the menu itself.</source>
        <translation>A da página: o menu é lido como a página ao redor, da direita para a esquerda numa página em árabe ou hebraico. As outras duas fixam a direção no próprio menu.</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>direção</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direção</translation>
    </message>
    <message>
        <source>Classic pages show two levels: the menu’s third level stays in the design but is not on the page.</source>
        <translation>Páginas clássicas mostram dois níveis: o terceiro nível do menu fica no design, mas não está na página.</translation>
    </message>
</context>
<context>
    <name>brindle::PreviewArea</name>
    <message>
        <source>&amp;Desktop Width</source>
        <translation>Largura de &amp;desktop</translation>
    </message>
    <message>
        <source>&amp;Tablet Width (768 px)</source>
        <translation>Largura de &amp;tablet (768 px)</translation>
    </message>
    <message>
        <source>&amp;Phone Width (375 px)</source>
        <translation>Largura de ce&amp;lular (375 px)</translation>
    </message>
    <message>
        <source>Preview width</source>
        <translation>Largura da pré-visualização</translation>
    </message>
</context>
<context>
    <name>brindle::ProjectActions</name>
    <message>
        <source>Save Failed</source>
        <translation>Falha ao salvar</translation>
    </message>
    <message>
        <source>The project could not be saved to “%1”: %2</source>
        <translation>Não foi possível salvar o projeto em “%1”: %2</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 salvo</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>Falha ao abrir</translation>
    </message>
    <message>
        <source>The project “%1” could not be opened: %2</source>
        <translation>Não foi possível abrir o projeto “%1”: %2</translation>
    </message>
    <message>
        <source>Design Not Used</source>
        <translation>Design não usado</translation>
    </message>
    <message>
        <source>The design could not be used: %1</source>
        <translation>Não foi possível usar o design: %1</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 aberto</translation>
    </message>
    <message>
        <source>Opened %1; one icon is kept under a new name</source>
        <translation>%1 aberto; um ícone foi mantido com um novo nome</translation>
    </message>
    <message>
        <source>Opened %1; %2 icons are kept under new names</source>
        <translation>%1 aberto; %2 ícones foram mantidos com novos nomes</translation>
    </message>
    <message>
        <source>Opened %1 without one of its icons</source>
        <translation>%1 aberto sem um de seus ícones</translation>
    </message>
    <message>
        <source>Opened %1 without %2 of its icons</source>
        <translation>%1 aberto sem %2 de seus ícones</translation>
    </message>
    <message>
        <source>Items Without Titles</source>
        <translation>Itens sem título</translation>
    </message>
    <message>
        <source>%1 was opened, but one item has no title: its link says nothing to visitors.</source>
        <translation>%1 foi aberto, mas um item não tem título: o link dele não diz nada aos visitantes.</translation>
    </message>
    <message>
        <source>%1 was opened, but %2 items have no title: their links say nothing to visitors.</source>
        <translation>%1 foi aberto, mas %2 itens não têm título: os links deles não dizem nada aos visitantes.</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>mais %1</translation>
    </message>
    <message>
        <source>Give a title to %1.</source>
        <translation>Dê um título a %1.</translation>
    </message>
    <message>
        <source>Icons Left Out</source>
        <translation>Ícones deixados de fora</translation>
    </message>
    <message>
        <source>%1 was opened, but one icon could not be used.</source>
        <translation>%1 foi aberto, mas não foi possível usar um ícone.</translation>
    </message>
    <message>
        <source>%1 was opened, but %2 icons could not be used.</source>
        <translation>%1 foi aberto, mas não foi possível usar %2 ícones.</translation>
    </message>
    <message>
        <source>… and %1 more.</source>
        <translation>… e mais %1.</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Falha na exportação</translation>
    </message>
    <message>
        <source>The page could not be written to “%1”: %2</source>
        <translation>Não foi possível gravar a página em “%1”: %2</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>%1 exportado</translation>
    </message>
    <message>
        <source>The stylesheet could not be written to “%1”: %2</source>
        <translation>Não foi possível gravar a folha de estilo em “%1”: %2</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exportado para %1</translation>
    </message>
    <message>
        <source>Not every file could be exported to “%1”:
%2</source>
        <translation>Nem todos os arquivos puderam ser exportados para “%1”:
%2</translation>
    </message>
    <message>
        <source>Exported the menu to %1; %2 says what goes into your page</source>
        <translation>Menu exportado para %1; %2 explica o que deve entrar na sua página</translation>
    </message>
    <message>
        <source>Replace Files?</source>
        <translation>Substituir arquivos?</translation>
    </message>
    <message>
        <source>“%1” already holds files of these names. Replace them with the menu’s?</source>
        <translation>“%1” já contém arquivos com estes nomes. Substituí-los pelos do menu?</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Substituir</translation>
    </message>
    <message>
        <source>Copied the menu&apos;s HTML; the comment at its top says what else your page needs</source>
        <translation>HTML do menu copiado; o comentário no início dele diz o que mais a sua página precisa</translation>
    </message>
    <message>
        <source>Copied the menu&apos;s CSS</source>
        <translation>CSS do menu copiado</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Salvar projeto</translation>
    </message>
    <message>
        <source>“%1” already exists. Do you want to replace it?</source>
        <translation>“%1” já existe. Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Abrir projeto</translation>
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
        <translation>Exportar todos os arquivos</translation>
    </message>
    <message>
        <source>Export Snippet</source>
        <translation>Exportar trecho de código</translation>
    </message>
    <message>
        <source>Brindle projects (*.brindleprj)</source>
        <translation>Projetos do Brindle (*.brindleprj)</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Import Menu</source>
        <translation>Importar menu</translation>
    </message>
    <message>
        <source>Pages, sitemaps and outlines (*.html *.htm *.xhtml *.xml *.md *.markdown *.txt);;All files (*)</source>
        <translation>Páginas, sitemaps e estruturas de tópicos (*.html *.htm *.xhtml *.xml *.md *.markdown *.txt);;Todos os arquivos (*)</translation>
    </message>
</context>
<context>
    <name>brindle::QuickBackgroundPanel</name>
    <message>
        <source>Background (Normal)</source>
        <translation>Fundo (normal)</translation>
    </message>
    <message>
        <source>Background (Hover)</source>
        <translation>Fundo (hover)</translation>
    </message>
    <message>
        <source>Background (Active)</source>
        <translation>Fundo (ativo)</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Sub-menu</source>
        <translation>Submenu</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidade</translation>
    </message>
    <message>
        <source>background colour</source>
        <translation>– cor de fundo</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>text brightness</source>
        <translation>– brilho do texto</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>opacity</source>
        <translation>– opacidade</translation>
    </message>
    <message>
        <source>No brightness of this text colour reads on its background: choose another background colour</source>
        <translation>Nenhum brilho desta cor de texto fica legível sobre o fundo: escolha outra cor de fundo</translation>
    </message>
    <message>
        <source>Text at %1 % would not read on its background; %2 % is the nearest that does</source>
        <translation>Texto com %1 % não ficaria legível sobre o fundo; %2 % é o valor mais próximo que fica</translation>
    </message>
</context>
<context>
    <name>brindle::QuickModeGeneralView</name>
    <message>
        <source>Square</source>
        <translation>Quadrado</translation>
    </message>
    <message>
        <source>Rounded</source>
        <translation>Arredondado</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Redondo</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>corner shape</source>
        <translation>formato dos cantos</translation>
    </message>
    <message>
        <source>Corners</source>
        <translation>Cantos</translation>
    </message>
</context>
<context>
    <name>brindle::QuickModeView</name>
    <message>
        <source>menu colour</source>
        <translation>cor do menu</translation>
    </message>
    <message>
        <source>Menu colour</source>
        <translation>Cor do menu</translation>
    </message>
    <message>
        <source>No text colour of this hue reads on the %1 background: choose another menu colour, or set the text in the Main Menu mode</source>
        <translation>Nenhuma cor de texto desta tonalidade fica legível no fundo %1: escolha outra cor do menu ou defina o texto no modo Menu principal</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>hover</source>
        <translation>hover</translation>
    </message>
    <message>
        <source>active</source>
        <translation>ativo</translation>
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
        <translation>Projeto não encontrado</translation>
    </message>
    <message>
        <source>The project “%1” can no longer be found. It was moved or deleted, and has been removed from the recent projects.</source>
        <translation>O projeto “%1” não foi encontrado. Ele foi movido ou excluído e foi removido dos projetos recentes.</translation>
    </message>
</context>
<context>
    <name>brindle::RecoveryFile</name>
    <message>
        <source>The folder “%1” cannot be made.</source>
        <translation>Não é possível criar a pasta “%1”.</translation>
    </message>
    <message>
        <source>The recovery file is in use.</source>
        <translation>O arquivo de recuperação está em uso.</translation>
    </message>
</context>
<context>
    <name>brindle::RelatedAppsSheet</name>
    <message>
        <source>Related Applications</source>
        <translation>Aplicativos relacionados</translation>
    </message>
    <message>
        <source>A fast editor for HTML, CSS and JavaScript, with snippets and syntax highlighting.</source>
        <translation>Um editor rápido para HTML, CSS e JavaScript, com trechos de código e realce de sintaxe.</translation>
    </message>
    <message>
        <source>A light editor for web pages and code, with a symbol list and build commands.</source>
        <translation>Um editor leve para páginas web e código, com lista de símbolos e comandos de compilação.</translation>
    </message>
    <message>
        <source>A browser with tools for inspecting layouts, styles and scripts.</source>
        <translation>Um navegador com ferramentas para inspecionar layouts, estilos e scripts.</translation>
    </message>
    <message>
        <source>Edits photos and draws bitmap images such as menu icons.</source>
        <translation>Edita fotos e desenha imagens bitmap, como ícones de menu.</translation>
    </message>
    <message>
        <source>Draws scalable vector graphics for icons and logos.</source>
        <translation>Desenha gráficos vetoriais escaláveis para ícones e logotipos.</translation>
    </message>
    <message>
        <source>Uploads a finished site to a web server over FTP and SFTP.</source>
        <translation>Envia um site pronto para um servidor web por FTP e SFTP.</translation>
    </message>
    <message>
        <source>Picks colours from anywhere on the screen and keeps palettes.</source>
        <translation>Captura cores de qualquer lugar da tela e guarda paletas.</translation>
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
        <translation>– linhas entre os itens</translation>
    </message>
    <message>
        <source>Lines between items</source>
        <translation>Linhas entre itens</translation>
    </message>
</context>
<context>
    <name>brindle::ShadowPanel</name>
    <message>
        <source>Drop Shadow</source>
        <translation>Sombra projetada</translation>
    </message>
    <message>
        <source>Inner Shadow</source>
        <translation>Sombra interna</translation>
    </message>
    <message>
        <source>Text Shadow 1</source>
        <translation>Sombra do texto 1</translation>
    </message>
    <message>
        <source>Text Shadow 2</source>
        <translation>Sombra do texto 2</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>– cor</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>opacity</source>
        <translation>– opacidade</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidade</translation>
    </message>
    <message>
        <source>X offset</source>
        <translation>– deslocamento X</translation>
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
        <translation>– deslocamento Y</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>size</source>
        <translation>– tamanho</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
</context>
<context>
    <name>brindle::ShapePanel</name>
    <message>
        <source>Menu bar</source>
        <translation>Barra de menus</translation>
    </message>
    <message>
        <source>Sub-menu</source>
        <translation>Submenu</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>corner radius</source>
        <translation>– raio dos cantos</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Raio</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>border size</source>
        <translation>– espessura da borda</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Borda</translation>
    </message>
    <message>
        <source>border colour</source>
        <translation>– cor da borda</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>width</source>
        <translation>– largura</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largura</translation>
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
        <translation>Travar espaçamentos esquerdo e direito juntos</translation>
    </message>
    <message>
        <source>Unlock left and right padding</source>
        <translation>Destravar espaçamentos esquerdo e direito</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>left padding</source>
        <translation>– espaçamento esquerdo</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>right padding</source>
        <translation>– espaçamento direito</translation>
    </message>
    <message>
        <source>Lock top and bottom padding together</source>
        <translation>Travar espaçamentos superior e inferior juntos</translation>
    </message>
    <message>
        <source>Unlock top and bottom padding</source>
        <translation>Destravar espaçamentos superior e inferior</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Topo</translation>
    </message>
    <message>
        <source>top padding</source>
        <translation>– espaçamento superior</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>bottom padding</source>
        <translation>– espaçamento inferior</translation>
    </message>
    <message>
        <source>Padding</source>
        <translation>Espaçamento</translation>
    </message>
    <message>
        <source>While closed, Left and Right move together</source>
        <translation>Com o cadeado fechado, Esquerda e Direita mudam juntas</translation>
    </message>
    <message>
        <source>While closed, Top and Bottom move together</source>
        <translation>Com o cadeado fechado, Topo e Base mudam juntos</translation>
    </message>
    <message>
        <source>Preview in Firefox</source>
        <translation>Visualizar no Firefox</translation>
    </message>
    <message>
        <source>Firefox was not found on this computer.</source>
        <translation>O Firefox não foi encontrado neste computador.</translation>
    </message>
    <message>
        <source>The preview is not ready yet.</source>
        <translation>A pré-visualização ainda não está pronta.</translation>
    </message>
    <message>
        <source>Firefox could not be started.</source>
        <translation>Não foi possível iniciar o Firefox.</translation>
    </message>
    <message>
        <source>Firefox (%1) could not be started.</source>
        <translation>Não foi possível iniciar o Firefox (%1).</translation>
    </message>
</context>
<context>
    <name>brindle::SourceCodeArea</name>
    <message>
        <source>Stylesheet source</source>
        <translation>Código da folha de estilo</translation>
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
        <translation>cor</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Cor</translation>
    </message>
</context>
<context>
    <name>brindle::TextView</name>
    <message>
        <source>Main Menu Text</source>
        <translation>Texto do menu principal</translation>
    </message>
    <message>
        <source>font</source>
        <translation>– fonte</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>size</source>
        <translation>– tamanho</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>– cor</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Sub Menu Text</source>
        <translation>Texto do submenu</translation>
    </message>
</context>
<context>
    <name>brindle::WorkspaceModes</name>
    <message>
        <source>&amp;Menu Structure</source>
        <translation>&amp;Estrutura do menu</translation>
    </message>
    <message>
        <source>Edit the menu items, their links and icons</source>
        <translation>Editar os itens do menu, seus links e ícones</translation>
    </message>
    <message>
        <source>&amp;Quick Mode</source>
        <translation>Modo &amp;rápido</translation>
    </message>
    <message>
        <source>Style the whole menu from a few colours</source>
        <translation>Estilizar o menu inteiro a partir de poucas cores</translation>
    </message>
    <message>
        <source>Ma&amp;in Menu</source>
        <translation>Menu &amp;principal</translation>
    </message>
    <message>
        <source>Style the menu bar: normal, hover and active</source>
        <translation>Estilizar a barra de menus: normal, hover e ativo</translation>
    </message>
    <message>
        <source>&amp;Sub-Menu</source>
        <translation>&amp;Submenu</translation>
    </message>
    <message>
        <source>Style the drop-down lists: normal, hover and active</source>
        <translation>Estilizar as listas suspensas: normal, hover e ativo</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
</TS>
