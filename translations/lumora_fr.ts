<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ComposeAskers</name>
    <message>
        <source>Clipboard image</source>
        <translation>Image du presse-papiers</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Dégradé</translation>
    </message>
    <message>
        <source>Text stamp</source>
        <translation>Tampon de texte</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
</context>
<context>
    <name>OkCancel</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>PhotoFiles</name>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
</context>
<context>
    <name>TEForm8</name>
    <message>
        <source>Gaussian Blur</source>
        <translation>Flou gaussien</translation>
    </message>
    <message>
        <source>Radius of the Gaussian blur</source>
        <translation>Rayon du flou gaussien</translation>
    </message>
</context>
<context>
    <name>TEform2</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Saving JPEG photos</source>
        <translation>Enregistrement des photos JPEG</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualité</translation>
    </message>
    <message>
        <source>(100 = best quality, least compression)</source>
        <translation>(100 = meilleure qualité, compression minimale)</translation>
    </message>
    <message>
        <source>Progressive display</source>
        <translation>Affichage progressif</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Files and folders</source>
        <translation>Fichiers et dossiers</translation>
    </message>
    <message>
        <source>Open the next file automatically</source>
        <translation>Ouvrir automatiquement le fichier suivant</translation>
    </message>
    <message>
        <source>Remember the last working folder</source>
        <translation>Mémoriser le dernier dossier de travail</translation>
    </message>
    <message>
        <source>Colour balance</source>
        <translation>Équilibre des couleurs</translation>
    </message>
    <message>
        <source>Balance button</source>
        <translation>Bouton d&apos;équilibrage</translation>
    </message>
    <message>
        <source>Flesh colour</source>
        <translation>Couleur chair</translation>
    </message>
    <message>
        <source>Landscape colour</source>
        <translation>Couleur paysage</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Reset to standard settings</source>
        <translation>Rétablir les réglages standard</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TEform3</name>
    <message>
        <source>The drive is not ready (no disc or medium in it).</source>
        <translation>Le lecteur n&apos;est pas prêt (aucun disque ni support inséré).</translation>
    </message>
    <message>
        <source>Select a picture</source>
        <translation>Choisir une image</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Double-click a folder, or press Enter, to open it</source>
        <translation>Double-cliquez sur un dossier, ou appuyez sur Entrée, pour l&apos;ouvrir</translation>
    </message>
    <message>
        <source>BMP and JPEG pictures of the folder</source>
        <translation>Images BMP et JPEG du dossier</translation>
    </message>
    <message>
        <source>The folder %1 is not there any more.</source>
        <translation>Le dossier %1 n&apos;existe plus.</translation>
    </message>
    <message>
        <source>Size %1 x %2</source>
        <translation>Taille %1 x %2</translation>
    </message>
</context>
<context>
    <name>TEform4</name>
    <message>
        <source>Image mix</source>
        <translation>Mélange d&apos;images</translation>
    </message>
    <message>
        <source>Percentage of the picture to mix in</source>
        <translation>Pourcentage de l&apos;image à mélanger</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copie</translation>
    </message>
    <message>
        <source>Masked copy</source>
        <translation>Copie masquée</translation>
    </message>
    <message>
        <source>Smoothed edges</source>
        <translation>Bords adoucis</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>Mosaïque</translation>
    </message>
    <message>
        <source>Placing in the photo</source>
        <translation>Placement dans la photo</translation>
    </message>
    <message>
        <source>Resizing</source>
        <translation>Redimensionnement</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Fit to the photo</source>
        <translation>Ajuster à la photo</translation>
    </message>
    <message>
        <source>Width or height</source>
        <translation>Largeur ou hauteur</translation>
    </message>
    <message>
        <source>Stretched over the whole photo</source>
        <translation>Étirée sur toute la photo</translation>
    </message>
    <message>
        <source>As large as the photo allows, keeping its proportions</source>
        <translation>Aussi grande que la photo le permet, en gardant ses proportions</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Miroir</translation>
    </message>
    <message>
        <source>No mirror</source>
        <translation>Sans miroir</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Décalage</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Masque</translation>
    </message>
    <message>
        <source>The mask colour: pixels of the picture in this colour are left out</source>
        <translation>La couleur du masque&#xa0;: les pixels de l&apos;image de cette couleur sont ignorés</translation>
    </message>
    <message>
        <source>R = %1</source>
        <translation>R = %1</translation>
    </message>
    <message>
        <source>G = %1</source>
        <translation>V = %1</translation>
    </message>
    <message>
        <source>B = %1</source>
        <translation>B = %1</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolérance</translation>
    </message>
    <message>
        <source>Click in</source>
        <translation>Cliquez dans</translation>
    </message>
    <message>
        <source>the picture</source>
        <translation>l&apos;image</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Flou</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>Marge</translation>
    </message>
    <message>
        <source>%1 (%2 x %3)</source>
        <translation>%1 (%2 x %3)</translation>
    </message>
    <message>
        <source>tiled over the photo (%1 x %2)</source>
        <translation>en mosaïque sur la photo (%1 x %2)</translation>
    </message>
    <message>
        <source>placed as %1 x %2 in the photo (%3 x %4)</source>
        <translation>placée en %1 x %2 dans la photo (%3 x %4)</translation>
    </message>
</context>
<context>
    <name>TEform5</name>
    <message>
        <source>Gradient parameters</source>
        <translation>Paramètres du dégradé</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>Standard sizes</source>
        <translation>Tailles standard</translation>
    </message>
    <message>
        <source>Colour 1</source>
        <translation>Couleur 1</translation>
    </message>
    <message>
        <source>Colour 2</source>
        <translation>Couleur 2</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>Click to choose the colour</source>
        <translation>Cliquez pour choisir la couleur</translation>
    </message>
    <message>
        <source>Swap colour 1 and colour 2</source>
        <translation>Échanger la couleur 1 et la couleur 2</translation>
    </message>
    <message>
        <source>Background in colour 2</source>
        <translation>Fond de la couleur 2</translation>
    </message>
    <message>
        <source>Gradient style</source>
        <translation>Style de dégradé</translation>
    </message>
    <message>
        <source>No gradient</source>
        <translation>Sans dégradé</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Centred small</source>
        <translation>Centré petit</translation>
    </message>
    <message>
        <source>Centred large</source>
        <translation>Centré grand</translation>
    </message>
    <message>
        <source>Constant gradient</source>
        <translation>Dégradé constant</translation>
    </message>
    <message>
        <source>Click in the picture to place the centre of the gradient</source>
        <translation>Cliquez dans l&apos;image pour placer le centre du dégradé</translation>
    </message>
</context>
<context>
    <name>TEform6</name>
    <message>
        <source>New size</source>
        <translation>Nouvelle taille</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Width %1 pixels</source>
        <translation>Largeur %1 pixels</translation>
    </message>
    <message>
        <source>Height %1 pixels</source>
        <translation>Hauteur %1 pixels</translation>
    </message>
    <message>
        <source>Keep width / height ratio</source>
        <translation>Garder le rapport largeur / hauteur</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Original size</source>
        <translation>Taille d&apos;origine</translation>
    </message>
    <message>
        <source>A photo of %1 x %2 pixels cannot keep its ratio within the sizes this dialog allows (%3 to %4 pixels wide, %3 to %5 pixels high).</source>
        <translation>Une photo de %1 x %2 pixels ne peut pas garder ses proportions dans les tailles que permet cette fenêtre (de %3 à %4 pixels de large, de %3 à %5 pixels de haut).</translation>
    </message>
    <message>
        <source>With the photo&apos;s ratio, a width of %1 pixels needs a height of %2 pixels, but the height must be from %3 to %4 pixels. Choose another width, or untick &quot;Keep width / height ratio&quot;.</source>
        <translation>Avec les proportions de la photo, une largeur de %1 pixels demande une hauteur de %2 pixels, mais la hauteur doit aller de %3 à %4 pixels. Choisissez une autre largeur, ou décochez « Garder le rapport largeur / hauteur ».</translation>
    </message>
    <message>
        <source>With the photo&apos;s ratio, a height of %1 pixels needs a width of %2 pixels, but the width must be from %3 to %4 pixels. Choose another height, or untick &quot;Keep width / height ratio&quot;.</source>
        <translation>Avec les proportions de la photo, une hauteur de %1 pixels demande une largeur de %2 pixels, mais la largeur doit aller de %3 à %4 pixels. Choisissez une autre hauteur, ou décochez « Garder le rapport largeur / hauteur ».</translation>
    </message>
</context>
<context>
    <name>TEform7</name>
    <message>
        <source>Text stamp</source>
        <translation>Tampon de texte</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Police…</translation>
    </message>
    <message>
        <source>B</source>
        <comment>bold</comment>
        <translation>G</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>I</source>
        <comment>italic</comment>
        <translation>I</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Title
Example</source>
        <translation>Titre
Exemple</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Left click: the colour of the letters; right click: the colour of the outline</source>
        <translation>Clic gauche&#xa0;: la couleur des lettres&#xa0;; clic droit&#xa0;: la couleur du contour</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Ombre</translation>
    </message>
    <message>
        <source>No shadow</source>
        <translation>Sans ombre</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Dégradé</translation>
    </message>
    <message>
        <source>Click to choose the grey of the shadow</source>
        <translation>Cliquez pour choisir le gris de l&apos;ombre</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contour</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Draw the preview again</source>
        <translation>Redessiner l&apos;aperçu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TInputRotateAngleForm</name>
    <message>
        <source>Rotate by Angle</source>
        <translation>Rotation d&apos;un angle</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>degrees, from 1 to 359</source>
        <translation>degrés, de 1 à 359</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TLsDirTree21</name>
    <message>
        <source>Select the folder that holds the photos you want to optimize.</source>
        <translation>Choisissez le dossier qui contient les photos à optimiser.</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Nouveau dossier</translation>
    </message>
    <message>
        <source>&amp;Rename Folder</source>
        <translation>&amp;Renommer le dossier</translation>
    </message>
    <message>
        <source>&amp;Delete Folder</source>
        <translation>&amp;Supprimer le dossier</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Tree &amp;Size</source>
        <translation>&amp;Taille de l&apos;arborescence</translation>
    </message>
    <message>
        <source>&amp;Folder Contents</source>
        <translation>Contenu du &amp;dossier</translation>
    </message>
    <message>
        <source>&amp;Map Network Drive</source>
        <translation>Conn&amp;ecter un lecteur réseau</translation>
    </message>
    <message>
        <source>Di&amp;sconnect Network Drive</source>
        <translation>Déconnecter un &amp;lecteur réseau</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Lecteurs</translation>
    </message>
    <message>
        <source>%1 is not there any more.</source>
        <translation>%1 n&apos;existe plus.</translation>
    </message>
    <message>
        <source>Folders cannot be added among the drives: choose a drive or a folder.</source>
        <translation>On ne peut pas ajouter de dossier parmi les lecteurs&#xa0;: choisissez un lecteur ou un dossier.</translation>
    </message>
    <message>
        <source>A folder name cannot contain any of these characters: %1</source>
        <translation>Un nom de dossier ne peut contenir aucun de ces caractères&#xa0;: %1</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>Folder name:</source>
        <translation>Nom du dossier&#xa0;:</translation>
    </message>
    <message>
        <source>A name cannot be empty.</source>
        <translation>Un nom ne peut pas être vide.</translation>
    </message>
    <message>
        <source>%1 cannot be used as a name.</source>
        <translation>%1 ne peut pas servir de nom.</translation>
    </message>
    <message>
        <source>A folder named %1 already exists.</source>
        <translation>Un dossier nommé %1 existe déjà.</translation>
    </message>
    <message>
        <source>Could not make the folder %1: %2.</source>
        <translation>Impossible de créer le dossier %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Rename Folder</source>
        <translation>Renommer le dossier</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Nouveau nom&#xa0;:</translation>
    </message>
    <message>
        <source>Drives cannot be renamed here.</source>
        <translation>Les lecteurs ne peuvent pas être renommés ici.</translation>
    </message>
    <message>
        <source>A file named %1 already exists.</source>
        <translation>Un fichier nommé %1 existe déjà.</translation>
    </message>
    <message>
        <source>Do you want to rename the folder %1 to %2?</source>
        <translation>Voulez-vous renommer le dossier %1 en %2&#xa0;?</translation>
    </message>
    <message>
        <source>Could not rename %1: %2.</source>
        <translation>Impossible de renommer %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Drives cannot be deleted here.</source>
        <translation>Les lecteurs ne peuvent pas être supprimés ici.</translation>
    </message>
    <message>
        <source>Do you want to move the folder
%1
and all its contents to the Trash?</source>
        <translation>Voulez-vous mettre le dossier
%1
et tout son contenu à la corbeille&#xa0;?</translation>
    </message>
    <message>
        <source>Delete Folder</source>
        <translation>Supprimer le dossier</translation>
    </message>
    <message>
        <source>Could not move %1 to the Trash: %2.</source>
        <translation>Impossible de mettre %1 à la corbeille&#xa0;: %2.</translation>
    </message>
    <message>
        <source>No folder is chosen.</source>
        <translation>Aucun dossier n&apos;est choisi.</translation>
    </message>
    <message>
        <source>There is nothing to paste: cut or copy files first.</source>
        <translation>Il n&apos;y a rien à coller&#xa0;: coupez ou copiez d&apos;abord des fichiers.</translation>
    </message>
    <message>
        <source>Network drives are connected through the desktop&apos;s file manager on this system (for example its &quot;Connect to Server&quot; or &quot;Other Locations&quot; page). Once mounted, they appear under &quot;Drives&quot;.</source>
        <translation>Sur ce système, les lecteurs réseau se connectent avec le gestionnaire de fichiers du bureau (par exemple sa page « Se connecter à un serveur » ou « Autres emplacements »). Une fois montés, ils apparaissent sous « Lecteurs ».</translation>
    </message>
    <message>
        <source>Network drives are disconnected through the desktop&apos;s file manager on this system (the eject or unmount button beside the network place).</source>
        <translation>Sur ce système, les lecteurs réseau se déconnectent avec le gestionnaire de fichiers du bureau (le bouton d&apos;éjection ou de démontage à côté de l&apos;emplacement réseau).</translation>
    </message>
    <message>
        <source>=== TREE SIZE ===</source>
        <translation>=== TAILLE DE L&apos;ARBORESCENCE ===</translation>
    </message>
    <message>
        <source>%1: %2 used of %3</source>
        <translation>%1&#xa0;: %2 utilisés sur %3</translation>
    </message>
    <message>
        <source>%1: not ready</source>
        <translation>%1&#xa0;: pas prêt</translation>
    </message>
    <message>
        <source>%1

Size: %2 (%3 bytes)
Files: %4
Folders: %5</source>
        <translation>%1

Taille&#xa0;: %2 (%3 octets)
Fichiers&#xa0;: %4
Dossiers&#xa0;: %5</translation>
    </message>
    <message>
        <source>Some folders could not be read; the size counts only what could.</source>
        <translation>Certains dossiers n&apos;ont pas pu être lus&#xa0;; la taille ne compte que ce qui a pu l&apos;être.</translation>
    </message>
    <message>
        <source>Tree Size</source>
        <translation>Taille de l&apos;arborescence</translation>
    </message>
    <message>
        <source>Folder Contents</source>
        <translation>Contenu du dossier</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read: %2.</source>
        <translation>Le dossier %1 ne peut pas être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>… et %1 de plus</translation>
    </message>
    <message>
        <source>%1
Folders: %2, files: %3, %4</source>
        <translation>%1
Dossiers&#xa0;: %2, fichiers&#xa0;: %3, %4</translation>
    </message>
</context>
<context>
    <name>TLsFilelistView28</name>
    <message>
        <source>Nothing is selected.</source>
        <translation>Rien n&apos;est sélectionné.</translation>
    </message>
    <message>
        <source>No file is selected.</source>
        <translation>Aucun fichier n&apos;est sélectionné.</translation>
    </message>
    <message>
        <source>Files cannot be put among the drives: open a folder first.</source>
        <translation>On ne peut pas mettre de fichiers parmi les lecteurs&#xa0;: ouvrez d&apos;abord un dossier.</translation>
    </message>
    <message>
        <source>Send to a folder</source>
        <translation>Envoyer vers un dossier</translation>
    </message>
    <message>
        <source>%1 is too large to put on the clipboard (more than %2 MB).</source>
        <translation>%1 est trop volumineux pour le presse-papiers (plus de %2 Mo).</translation>
    </message>
    <message>
        <source>Could not read %1: %2.</source>
        <translation>Impossible de lire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Could not put a link to %1 on the desktop: %2.</source>
        <translation>Impossible de placer un lien vers %1 sur le bureau&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Some links could not be put on the desktop:</source>
        <translation>Certains liens n&apos;ont pas pu être placés sur le bureau&#xa0;:</translation>
    </message>
    <message>
        <source>There is nothing to paste: cut or copy files first.</source>
        <translation>Il n&apos;y a rien à coller&#xa0;: coupez ou copiez d&apos;abord des fichiers.</translation>
    </message>
    <message>
        <source>%1 is read-only: it cannot be renamed.</source>
        <translation>%1 est en lecture seule&#xa0;: il ne peut pas être renommé.</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Nouveau nom&#xa0;:</translation>
    </message>
    <message>
        <source>%1 is no longer there.</source>
        <translation>%1 n&apos;existe plus.</translation>
    </message>
    <message>
        <source>A name cannot be empty.</source>
        <translation>Un nom ne peut pas être vide.</translation>
    </message>
    <message>
        <source>A name cannot contain a slash (/).</source>
        <translation>Un nom ne peut pas contenir de barre oblique (/).</translation>
    </message>
    <message>
        <source>%1 cannot be used as a name.</source>
        <translation>%1 ne peut pas servir de nom.</translation>
    </message>
    <message>
        <source>A folder named %1 already exists.</source>
        <translation>Un dossier nommé %1 existe déjà.</translation>
    </message>
    <message>
        <source>A file named %1 already exists.</source>
        <translation>Un fichier nommé %1 existe déjà.</translation>
    </message>
    <message>
        <source>names starting with a dot are hidden</source>
        <translation>les noms commençant par un point sont masqués</translation>
    </message>
    <message>
        <source>the list shows only %1</source>
        <translation>la liste n&apos;affiche que %1</translation>
    </message>
    <message>
        <source>%1 would no longer be listed here (%2). Rename it anyway?</source>
        <translation>%1 ne serait plus affiché ici (%2). Le renommer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Could not rename %1: %2.</source>
        <translation>Impossible de renommer %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Do you want to move %1 to the Trash?</source>
        <translation>Voulez-vous mettre %1 à la corbeille&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to move these %1 items to the Trash?</source>
        <translation>Voulez-vous mettre ces %1 éléments à la corbeille&#xa0;?</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Mettre à la corbeille</translation>
    </message>
    <message>
        <source>Could not move %1 to the Trash: %2.</source>
        <translation>Impossible de mettre %1 à la corbeille&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Some items could not be moved to the Trash:</source>
        <translation>Certains éléments n&apos;ont pas pu être mis à la corbeille&#xa0;:</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>Folder name:</source>
        <translation>Nom du dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Could not make the folder %1: %2.</source>
        <translation>Impossible de créer le dossier %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>not a usable name</source>
        <translation>ce nom n&apos;est pas utilisable</translation>
    </message>
    <message>
        <source>A folder name cannot contain any of these characters: %1</source>
        <translation>Un nom de dossier ne peut contenir aucun de ces caractères&#xa0;: %1</translation>
    </message>
    <message>
        <source>Select a photo to optimize.</source>
        <translation>Choisissez une photo à optimiser.</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>Se&amp;nd To</source>
        <translation>&amp;Envoyer vers</translation>
    </message>
    <message>
        <source>Any Folder...</source>
        <translation>Un dossier…</translation>
    </message>
    <message>
        <source>Clipboard as Contents</source>
        <translation>Presse-papiers (contenu)</translation>
    </message>
    <message>
        <source>Clipboard as File Name</source>
        <translation>Presse-papiers (nom du fichier)</translation>
    </message>
    <message>
        <source>Desktop as Link</source>
        <translation>Bureau (lien)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>Re&amp;nommer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propriétés</translation>
    </message>
    <message>
        <source>&amp;New Folder...</source>
        <translation>Nou&amp;veau dossier…</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>Ac&amp;tualiser</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Disk Size</source>
        <translation>Taille du disque</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Espace libre</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Attributs</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Attr</source>
        <translation>Attr.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read: %2.</source>
        <translation>Le dossier %1 ne peut pas être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Removable Disk</source>
        <translation>Disque amovible</translation>
    </message>
    <message>
        <source>Local Disk</source>
        <translation>Disque local</translation>
    </message>
    <message>
        <source>%1 is not there any more.</source>
        <translation>%1 n&apos;existe plus.</translation>
    </message>
</context>
<context>
    <name>TUpDownSpin</name>
    <message>
        <source>%1–%2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>De %1 à %2</translation>
    </message>
    <message>
        <source>%1 (from %2 to %3)</source>
        <translation>%1 (de %2 à %3)</translation>
    </message>
</context>
<context>
    <name>lum</name>
    <message>
        <source>There is no picture to mix.</source>
        <translation>Il n&apos;y a pas d&apos;image à mélanger.</translation>
    </message>
    <message>
        <source>There is no picture on the clipboard.</source>
        <translation>Il n&apos;y a pas d&apos;image dans le presse-papiers.</translation>
    </message>
    <message>
        <source>A macro holds at most 64 actions.</source>
        <translation>Une macro contient au plus 64 actions.</translation>
    </message>
    <message>
        <source>The colour you clicked is too close to the fill colour.
Lower the fill threshold (T) and try again.</source>
        <translation>La couleur cliquée est trop proche de la couleur de remplissage.
Baissez le seuil de remplissage (É) et réessayez.</translation>
    </message>
    <message>
        <source>This area already has the fill colour.</source>
        <translation>Cette zone a déjà la couleur de remplissage.</translation>
    </message>
    <message>
        <source>Invalid new size: the height can be at most 2048 pixels.</source>
        <translation>Nouvelle taille incorrecte&#xa0;: la hauteur ne peut pas dépasser 2048 pixels.</translation>
    </message>
    <message>
        <source>Invalid new size: the width and the height must be at least 8 pixels.</source>
        <translation>Nouvelle taille incorrecte&#xa0;: la largeur et la hauteur doivent faire au moins 8 pixels.</translation>
    </message>
</context>
<context>
    <name>lum::PaintToolbar</name>
    <message>
        <source>Pipette</source>
        <translation>Pipette</translation>
    </message>
    <message>
        <source>Line tool</source>
        <translation>Outil ligne</translation>
    </message>
    <message>
        <source>Pen tool</source>
        <translation>Outil crayon</translation>
    </message>
    <message>
        <source>Fill tool</source>
        <translation>Outil remplissage</translation>
    </message>
    <message>
        <source>Spray</source>
        <translation>Aérographe</translation>
    </message>
    <message>
        <source>Selective colour eraser</source>
        <translation>Gomme sélective de couleur</translation>
    </message>
    <message>
        <source>Daub</source>
        <translation>Barbouillage</translation>
    </message>
    <message>
        <source>Noise</source>
        <translation>Bruit</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Assombrir</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Éclaircir</translation>
    </message>
    <message>
        <source>Sharpen</source>
        <translation>Netteté</translation>
    </message>
    <message>
        <source>Soften</source>
        <translation>Adoucir</translation>
    </message>
    <message>
        <source>Zoom (left click: in, right click: out)</source>
        <translation>Zoom (clic gauche&#xa0;: avant, clic droit&#xa0;: arrière)</translation>
    </message>
    <message>
        <source>Paint Toolbar</source>
        <translation>Barre d&apos;outils de dessin</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>First paint colour (left button); click to choose it</source>
        <translation>Première couleur de dessin (bouton gauche)&#xa0;; cliquez pour la choisir</translation>
    </message>
    <message>
        <source>Second paint colour (right button); click to choose it</source>
        <translation>Seconde couleur de dessin (bouton droit)&#xa0;; cliquez pour la choisir</translation>
    </message>
    <message>
        <source>The colour under the pipette</source>
        <translation>La couleur sous la pipette</translation>
    </message>
    <message>
        <source>Tool diameter</source>
        <translation>Diamètre de l&apos;outil</translation>
    </message>
    <message>
        <source>Thickness or fill threshold</source>
        <translation>Épaisseur ou seuil de remplissage</translation>
    </message>
    <message>
        <source>D</source>
        <comment>diameter</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>T</source>
        <comment>thickness</comment>
        <translation>É</translation>
    </message>
    <message>
        <source>Zoom 1</source>
        <translation>Zoom 1</translation>
    </message>
    <message>
        <source>R %1</source>
        <translation>R %1</translation>
    </message>
    <message>
        <source>G %1</source>
        <translation>V %1</translation>
    </message>
    <message>
        <source>B %1</source>
        <translation>B %1</translation>
    </message>
    <message>
        <source>Zoom 1/2</source>
        <translation>Zoom 1/2</translation>
    </message>
    <message>
        <source>Zoom 2</source>
        <translation>Zoom 2</translation>
    </message>
    <message>
        <source>Zoom 3</source>
        <translation>Zoom 3</translation>
    </message>
</context>
</TS>
