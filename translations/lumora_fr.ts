<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Lumora improves your digital photos with one click.

Choose a folder, click a photo and press "Optimize The Photo Now!": Lumora brings the colours towards natural flesh tones, smooths fine noise while keeping the edges, and blends the result with your photo as it was.

Compare the optimized photo with the original side by side, sharpen, soften or lighten it, turn it, zoom, and save it as a JPEG file with the quality you choose.</source>
        <translation>Lumora améliore vos photos numériques en un clic.

Choisissez un dossier, cliquez sur une photo et appuyez sur « Optimiser la photo maintenant ! » : Lumora rapproche les couleurs de tons chair naturels, lisse le bruit fin tout en préservant les contours, et mélange le résultat avec votre photo telle qu'elle était.

Comparez côte à côte la photo optimisée et l'originale, rendez-la plus nette, adoucissez-la ou éclaircissez-la, faites-la pivoter, zoomez, et enregistrez-la en fichier JPEG avec la qualité de votre choix.</translation>
    </message>
    <message>
        <source>About Tarnel Lumora</source>
        <translation>À propos de Tarnel Lumora</translation>
    </message>
    <message>
        <source>Thank you very much!</source>
        <translation>Merci beaucoup !</translation>
    </message>
    <message>
        <source>Tarnel Lumora version %1</source>
        <translation>Tarnel Lumora version %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Copyright 2026 The Lumora developers.&lt;br&gt;Lumora is free software: you may share and change it under the terms of the &lt;a href="https://www.gnu.org/licenses/gpl-3.0.html"&gt;GNU General Public License&lt;/a&gt;, version 3 or (at your option) any later version. It comes with no warranty.</source>
        <translation>Copyright 2026 Les développeurs de Lumora.&lt;br&gt;Lumora est un logiciel libre : vous pouvez le redistribuer et le modifier selon les termes de la &lt;a href="https://www.gnu.org/licenses/gpl-3.0.html"&gt;Licence publique générale GNU&lt;/a&gt;, version 3 ou (à votre choix) toute version ultérieure. Il est fourni sans aucune garantie.</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>About Lumora</source>
        <translation>À propos de Lumora</translation>
    </message>
</context>
<context>
    <name>BlurDialog</name>
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
    <name>ColourGrid</name>
    <message>
        <source>FB</source>
        <extracomment>Colour grid marks: the foreground, the background, a colour that is both; two letters at most.</extracomment>
        <translation>PA</translation>
    </message>
    <message>
        <source>FG</source>
        <translation>PP</translation>
    </message>
    <message>
        <source>BG</source>
        <translation>AP</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Arrow keys choose the foreground colour; Shift with the arrow keys the background colour</source>
        <translation>Les flèches choisissent la couleur de premier plan ; Maj avec les flèches, la couleur de fond</translation>
    </message>
</context>
<context>
    <name>ColourPanel</name>
    <message>
        <source>Space or Enter chooses the colour</source>
        <translation>Espace ou Entrée choisit la couleur</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>File information</source>
        <translation>Informations sur le fichier</translation>
    </message>
    <message>
        <source>Original Photo</source>
        <translation>Photo d'origine</translation>
    </message>
    <message>
        <source>Show the Original Photo in full screen</source>
        <translation>Afficher la photo d'origine en plein écran</translation>
    </message>
    <message>
        <source>Show both photos side by side again</source>
        <translation>Afficher à nouveau les deux photos côte à côte</translation>
    </message>
    <message>
        <source>Optimized Photo</source>
        <translation>Photo optimisée</translation>
    </message>
    <message>
        <source>Save the optimized photo</source>
        <translation>Enregistrer la photo optimisée</translation>
    </message>
    <message>
        <source>Reset the optimized photo</source>
        <translation>Réinitialiser la photo optimisée</translation>
    </message>
    <message>
        <source>U</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Colour channel shifts</source>
        <translation>Décalages des canaux de couleur</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Selection Toolbar</source>
        <translation>Barre d'outils de sélection</translation>
    </message>
    <message>
        <source>P</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Paint Toolbar</source>
        <translation>Barre d'outils de dessin</translation>
    </message>
    <message>
        <source>Show the Optimized Photo in full screen</source>
        <translation>Afficher la photo optimisée en plein écran</translation>
    </message>
    <message>
        <source>Zoom both photos</source>
        <translation>Zoomer les deux photos</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Selection Toolbar</source>
        <translation>Barre d'outils de &amp;sélection</translation>
    </message>
    <message>
        <source>&amp;Paint Toolbar</source>
        <translation>Barre d'outils de &amp;dessin</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Zoom Both Photos</source>
        <translation>&amp;Zoomer les deux photos</translation>
    </message>
    <message>
        <source>The picture was changed in this window.</source>
        <translation>L'image a été modifiée dans cette fenêtre.</translation>
    </message>
    <message>
        <source>The optimized photo "%1" was changed in this window.</source>
        <translation>La photo optimisée « %1 » a été modifiée dans cette fenêtre.</translation>
    </message>
    <message>
        <source>Save the changes to a file, keep them in the main window (where they can be saved or undone later), or discard them?</source>
        <translation>Enregistrer les modifications dans un fichier, les garder dans la fenêtre principale (où vous pourrez les enregistrer ou les annuler plus tard), ou les abandonner ?</translation>
    </message>
    <message>
        <source>&amp;Save to a File...</source>
        <translation>&amp;Enregistrer dans un fichier...</translation>
    </message>
    <message>
        <source>&amp;Keep in the Main Window</source>
        <translation>&amp;Garder dans la fenêtre principale</translation>
    </message>
    <message>
        <source>&amp;Discard the Changes</source>
        <translation>A&amp;bandonner les modifications</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close the Compare Window</source>
        <translation>Fermer la fenêtre de comparaison</translation>
    </message>
    <message>
        <source>Comparing %1</source>
        <translation>Comparaison de %1</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Show &amp;All Buttons</source>
        <translation>Afficher &amp;tous les boutons</translation>
    </message>
    <message>
        <source>Photo information</source>
        <translation>Informations sur la photo</translation>
    </message>
    <message>
        <source>Original photo</source>
        <translation>Photo originale</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recadrer</translation>
    </message>
    <message>
        <source>Crop the photo (C)</source>
        <translation>Recadrer la photo (C)</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Straighten a tilted horizon</source>
        <translation>Redresser un horizon penché</translation>
    </message>
    <message>
        <source>Eyes</source>
        <translation>Yeux</translation>
    </message>
    <message>
        <source>Take the red out of eyes lit by a flash</source>
        <translation>Ôter le rouge des yeux éclairés par un flash</translation>
    </message>
    <message>
        <source>(whole: the panes no longer line up)</source>
        <translation>(entière : les deux vues ne se correspondent plus)</translation>
    </message>
    <message>
        <source>The optimized photo was cropped or turned by an angle since it was loaded. The original is shown whole at the same size, so the two panes no longer show the same places.</source>
        <translation>La photo optimisée a été recadrée ou tournée d'un angle depuis son ouverture. L'originale est montrée entière à la même taille : les deux vues ne montrent donc plus les mêmes endroits.</translation>
    </message>
</context>
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
    <message>
        <source>New image</source>
        <translation>Nouvelle image</translation>
    </message>
    <message>
        <source>Lighten gradient parameters</source>
        <translation>Paramètres du dégradé de lumière</translation>
    </message>
    <message>
        <source>Gradient to mix into %1 x %2</source>
        <translation>Dégradé à mélanger dans l'image %1 x %2</translation>
    </message>
</context>
<context>
    <name>FolderCommands</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Could not move %2 into %1: %3.</source>
        <translation>Impossible de déplacer %2 dans %1 : %3.</translation>
    </message>
    <message>
        <source>Some items could not be moved into %1:</source>
        <translation>Certains éléments n'ont pas pu être déplacés dans %1 :</translation>
    </message>
    <message>
        <source>Could not copy %2 into %1: %3.</source>
        <translation>Impossible de copier %2 dans %1 : %3.</translation>
    </message>
    <message>
        <source>Some items could not be copied into %1:</source>
        <translation>Certains éléments n'ont pas pu être copiés dans %1 :</translation>
    </message>
    <message>
        <source>%1 is already in this folder: nothing was moved.</source>
        <translation>%1 est déjà dans ce dossier : rien n'a été déplacé.</translation>
    </message>
    <message>
        <source>These files are already in this folder: nothing was moved.</source>
        <translation>Ces fichiers sont déjà dans ce dossier : rien n'a été déplacé.</translation>
    </message>
</context>
<context>
    <name>FolderTree</name>
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
        <translation>&amp;Taille de l'arborescence</translation>
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
        <source>Disconnect Net&amp;work Drive</source>
        <translation>Dé&amp;connecter un lecteur réseau</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Lecteurs</translation>
    </message>
    <message>
        <source>%1 is not there any more.</source>
        <translation>%1 n'existe plus.</translation>
    </message>
    <message>
        <source>Folders cannot be added among the drives: choose a drive or a folder.</source>
        <translation>On ne peut pas ajouter de dossier parmi les lecteurs : choisissez un lecteur ou un dossier.</translation>
    </message>
    <message>
        <source>A folder name cannot contain any of these characters: %1</source>
        <translation>Un nom de dossier ne peut contenir aucun de ces caractères : %1</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>Folder name:</source>
        <translation>Nom du dossier :</translation>
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
        <translation>Impossible de créer le dossier %1 : %2.</translation>
    </message>
    <message>
        <source>Rename Folder</source>
        <translation>Renommer le dossier</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Nouveau nom :</translation>
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
        <translation>Voulez-vous renommer le dossier %1 en %2 ?</translation>
    </message>
    <message>
        <source>Could not rename %1: %2.</source>
        <translation>Impossible de renommer %1 : %2.</translation>
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
et tout son contenu à la corbeille ?</translation>
    </message>
    <message>
        <source>Delete Folder</source>
        <translation>Supprimer le dossier</translation>
    </message>
    <message>
        <source>Could not move %1 to the Trash: %2.</source>
        <translation>Impossible de mettre %1 à la corbeille : %2.</translation>
    </message>
    <message>
        <source>No folder is chosen.</source>
        <translation>Aucun dossier n'est choisi.</translation>
    </message>
    <message>
        <source>There is nothing to paste: cut or copy files first.</source>
        <translation>Il n'y a rien à coller : coupez ou copiez d'abord des fichiers.</translation>
    </message>
    <message>
        <source>Network drives are connected through the desktop's file manager on this system (for example its "Connect to Server" or "Other Locations" page). Once mounted, they appear under "Drives".</source>
        <translation>Sur ce système, les lecteurs réseau se connectent avec le gestionnaire de fichiers du bureau (par exemple sa page « Se connecter à un serveur » ou « Autres emplacements »). Une fois montés, ils apparaissent sous « Lecteurs ».</translation>
    </message>
    <message>
        <source>Network drives are disconnected through the desktop's file manager on this system (the eject or unmount button beside the network place).</source>
        <translation>Sur ce système, les lecteurs réseau se déconnectent avec le gestionnaire de fichiers du bureau (le bouton d'éjection ou de démontage à côté de l'emplacement réseau).</translation>
    </message>
    <message>
        <source>=== TREE SIZE ===</source>
        <translation>=== TAILLE DE L'ARBORESCENCE ===</translation>
    </message>
    <message>
        <source>%1: %2 used of %3</source>
        <translation>%1 : %2 utilisés sur %3</translation>
    </message>
    <message>
        <source>%1: not ready</source>
        <translation>%1 : pas prêt</translation>
    </message>
    <message>
        <source>%1

Size: %2 (%3 bytes)
Files: %4
Folders: %5</source>
        <translation>%1

Taille : %2 (%3 octets)
Fichiers : %4
Dossiers : %5</translation>
    </message>
    <message>
        <source>Some folders could not be read; the size counts only what could.</source>
        <translation>Certains dossiers n'ont pas pu être lus ; la taille ne compte que ce qui a pu l'être.</translation>
    </message>
    <message>
        <source>Tree Size</source>
        <translation>Taille de l'arborescence</translation>
    </message>
    <message>
        <source>Folder Contents</source>
        <translation>Contenu du dossier</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read: %2.</source>
        <translation>Le dossier %1 ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>… et %1 de plus</translation>
    </message>
    <message>
        <source>%1
Folders: %2, files: %3, %4</source>
        <translation>%1
Dossiers : %2, fichiers : %3, %4</translation>
    </message>
</context>
<context>
    <name>GradientDialog</name>
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
        <translation>Cliquez dans l'image pour placer le centre du dégradé</translation>
    </message>
    <message>
        <source>Centre of the gradient</source>
        <translation>Centre du dégradé</translation>
    </message>
    <message>
        <source>The arrow keys move the centre, with Shift one pixel at a time; Home puts it back in the middle</source>
        <translation>Les flèches déplacent le centre, pixel par pixel avec Maj ; Origine le remet au milieu</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Select the folder that holds the photos you want to optimize.</source>
        <translation>Choisissez le dossier qui contient les photos à optimiser.</translation>
    </message>
    <message>
        <source>Select a photo to optimize.</source>
        <translation>Choisissez une photo à optimiser.</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Traitement</translation>
    </message>
    <message>
        <source>File information</source>
        <translation>Informations sur le fichier</translation>
    </message>
    <message>
        <source>Welcome to Lumora!</source>
        <translation>Bienvenue dans Lumora !</translation>
    </message>
    <message>
        <source>Visit the Tarnel Lumora web site for news and more information</source>
        <translation>Consultez le site web de Tarnel Lumora pour les nouveautés et plus d'informations</translation>
    </message>
    <message>
        <source>Tarnel Lumora</source>
        <translation>Tarnel Lumora</translation>
    </message>
    <message>
        <source>Show the original photo in a small floating window</source>
        <translation>Afficher la photo d'origine dans une petite fenêtre flottante</translation>
    </message>
    <message>
        <source>Zoom the photo to the size you like to see it at</source>
        <translation>Zoomer la photo à la taille qui vous convient</translation>
    </message>
    <message>
        <source>The size the photo is shown at</source>
        <translation>La taille d'affichage de la photo</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Undo / Reload the photo</source>
        <translation>Annuler / Recharger la photo</translation>
    </message>
    <message>
        <source>Compare the Optimized Photo with the Original Photo</source>
        <translation>Comparer la photo optimisée avec la photo d'origine</translation>
    </message>
    <message>
        <source>Save / Save As the Photo</source>
        <translation>Enregistrer la photo / Enregistrer sous</translation>
    </message>
    <message>
        <source>Version information</source>
        <translation>Informations de version</translation>
    </message>
    <message>
        <source>Tarnel Home</source>
        <translation>Accueil Tarnel</translation>
    </message>
    <message>
        <source>Visit the Tarnel Lumora home page for more information</source>
        <translation>Consultez la page d'accueil de Tarnel Lumora pour plus d'informations</translation>
    </message>
    <message>
        <source>Original Photo</source>
        <translation>Photo d'origine</translation>
    </message>
    <message>
        <source>Processing Progress</source>
        <translation>Progression du traitement</translation>
    </message>
    <message>
        <source>Optimizing...</source>
        <translation>Optimisation...</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 est introuvable.</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Erreur inattendue</translation>
    </message>
    <message>
        <source>Width: %1  Height: %2</source>
        <translation>Largeur : %1  Hauteur : %2</translation>
    </message>
    <message>
        <source>Modified: %1</source>
        <translation>Modifié : %1</translation>
    </message>
    <message>
        <source>Help: how to use Lumora</source>
        <translation>Aide : comment utiliser Lumora</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 n'existe pas.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Save the new picture before closing Lumora?</source>
        <translation>Enregistrer la nouvelle image avant de fermer Lumora ?</translation>
    </message>
    <message>
        <source>Save the new picture before opening %1?</source>
        <translation>Enregistrer la nouvelle image avant d'ouvrir %1 ?</translation>
    </message>
    <message>
        <source>Save the optimized photo %1 before closing Lumora?</source>
        <translation>Enregistrer la photo optimisée %1 avant de fermer Lumora ?</translation>
    </message>
    <message>
        <source>Save the optimized photo %1 before opening %2?</source>
        <translation>Enregistrer la photo optimisée %1 avant d'ouvrir %2 ?</translation>
    </message>
    <message>
        <source>Save the changes to %1 before closing Lumora?</source>
        <translation>Enregistrer les modifications de %1 avant de fermer Lumora ?</translation>
    </message>
    <message>
        <source>Save the changes to %1 before opening %2?</source>
        <translation>Enregistrer les modifications de %1 avant d'ouvrir %2 ?</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>Optimi&amp;ze Selected Photos...</source>
        <translation>Optimiser les p&amp;hotos sélectionnées...</translation>
    </message>
    <message>
        <source>Optimi&amp;ze All Photos in This Folder...</source>
        <translation>Optimiser toutes les p&amp;hotos de ce dossier...</translation>
    </message>
    <message>
        <source>Select one or more photos in the photo list first (Ctrl or Shift and a click add photos, Ctrl+A selects all).</source>
        <translation>Sélectionnez d'abord une ou plusieurs photos dans la liste (Ctrl ou Maj et un clic ajoutent des photos, Ctrl+A sélectionne tout).</translation>
    </message>
    <message>
        <source>There are no photos in %1.</source>
        <translation>Il n'y a aucune photo dans %1.</translation>
    </message>
    <message>
        <source>Photos are being optimized already. Another batch can start once this one is done.</source>
        <translation>Des photos sont déjà en cours d'optimisation. Un autre lot pourra commencer une fois celui-ci terminé.</translation>
    </message>
    <message>
        <source>One click, brighter photos</source>
        <translation>Un clic, des photos plus lumineuses</translation>
    </message>
    <message>
        <source>pick a photo, optimize, compare, save</source>
        <translation>choisir une photo, optimiser, comparer, enregistrer</translation>
    </message>
    <message>
        <source>Export &amp;Copies...</source>
        <translation>E&amp;xporter des copies...</translation>
    </message>
    <message>
        <source>Open a photo, or select photos in the photo list, first.</source>
        <translation>Ouvrez d'abord une photo, ou sélectionnez des photos dans la liste.</translation>
    </message>
    <message>
        <source>Copies are being exported already. Another export can start once this one is done.</source>
        <translation>Des copies sont déjà en cours d'exportation. Une autre exportation pourra commencer une fois celle-ci terminée.</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>These photos could not be read and are left out:
%1</source>
        <translation>Ces photos n'ont pas pu être lues et sont laissées de côté :
%1</translation>
    </message>
    <message>
        <source>Print Photos</source>
        <translation>Imprimer les photos</translation>
    </message>
    <message>
        <source>10 × 15 cm</source>
        <translation>10 × 15 cm</translation>
    </message>
    <message>
        <source>13 × 18 cm</source>
        <translation>13 × 18 cm</translation>
    </message>
    <message>
        <source>20 × 25 cm</source>
        <translation>20 × 25 cm</translation>
    </message>
    <message>
        <source>Fit the page</source>
        <translation>Ajuster à la page</translation>
    </message>
    <message>
        <source>1 photo per page</source>
        <translation>1 photo par page</translation>
    </message>
    <message>
        <source>%1 photos per page</source>
        <translation>%1 photos par page</translation>
    </message>
    <message>
        <source>&amp;Fill and crop</source>
        <translation>&amp;Remplir et recadrer</translation>
    </message>
    <message>
        <source>Fill the whole place and cut off what goes beyond it, centred; otherwise the whole photo is printed</source>
        <translation>Remplir toute la place et couper ce qui dépasse, au centre ; sinon la photo entière est imprimée</translation>
    </message>
    <message>
        <source>Photo &amp;size:</source>
        <translation>&amp;Taille des photos :</translation>
    </message>
    <message>
        <source>Rotate &amp;Left</source>
        <translation>Faire pivoter à &amp;gauche</translation>
    </message>
    <message>
        <source>Rotate Ri&amp;ght</source>
        <translation>Faire pivoter à &amp;droite</translation>
    </message>
    <message>
        <source>Rotate &amp;180°</source>
        <translation>Faire pivoter de &amp;180°</translation>
    </message>
    <message>
        <source>&amp;Mirror</source>
        <translation>&amp;Miroir</translation>
    </message>
    <message>
        <source>&amp;Flip</source>
        <translation>&amp;Retourner</translation>
    </message>
    <message>
        <source>Str&amp;aighten by Camera Orientation</source>
        <translation>Redresser selon l'orient&amp;ation de l'appareil</translation>
    </message>
    <message>
        <source>%1 is not a photo Lumora can read.</source>
        <translation>%1 n’est pas une photo que Lumora sait lire.</translation>
    </message>
    <message>
        <source>Lumora cannot write %1 photos, so it cannot turn them; only JPEG and BMP photos can be turned.</source>
        <translation>Lumora ne sait pas écrire les photos %1 et ne peut donc pas les faire pivoter ; seules les photos JPEG et BMP peuvent pivoter.</translation>
    </message>
    <message>
        <source>Select one or more photos in the photo list first.</source>
        <translation>Sélectionnez d'abord une ou plusieurs photos dans la liste des photos.</translation>
    </message>
    <message>
        <source>JPEG photos are turned without loss of quality</source>
        <translation>Les photos JPEG pivotent sans perte de qualité</translation>
    </message>
    <message>
        <source>Photos are being processed already. Another batch can start once this one is done.</source>
        <translation>Des photos sont déjà en cours de traitement. Un autre lot pourra commencer une fois celui-ci terminé.</translation>
    </message>
    <message>
        <source>Crop the photo</source>
        <translation>Recadrer la photo</translation>
    </message>
    <message>
        <source>Straighten a tilted horizon</source>
        <translation>Redresser un horizon penché</translation>
    </message>
    <message>
        <source>Take the red out of eyes lit by a flash</source>
        <translation>Ôter le rouge des yeux éclairés par un flash</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Thumbnails</source>
        <translation>&amp;Vignettes</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Détails</translation>
    </message>
    <message>
        <source>&amp;Large Thumbnails</source>
        <translation>&amp;Grandes vignettes</translation>
    </message>
    <message>
        <source>Show the photos as a list of details (Ctrl+2)</source>
        <translation>Afficher les photos en liste détaillée (Ctrl+2)</translation>
    </message>
    <message>
        <source>Show the photos as thumbnails (Ctrl+1)</source>
        <translation>Afficher les photos en vignettes (Ctrl+1)</translation>
    </message>
    <message>
        <source>The new picture is no longer shown, so there is nothing to export.</source>
        <translation>La nouvelle image n'est plus affichée : il n'y a rien à exporter.</translation>
    </message>
</context>
<context>
    <name>MixDialog</name>
    <message>
        <source>Image mix</source>
        <translation>Mélange d'images</translation>
    </message>
    <message>
        <source>Percentage of the picture to mix in</source>
        <translation>Pourcentage de l'image à mélanger</translation>
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
        <translation>La couleur du masque : les pixels de l'image de cette couleur sont ignorés</translation>
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
        <translation>l'image</translation>
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
    <name>NewSizeDialog</name>
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
        <translation>Taille d'origine</translation>
    </message>
    <message>
        <source>A photo of %1 x %2 pixels cannot keep its ratio within the sizes this dialog allows (%3 to %4 pixels wide, %3 to %5 pixels high).</source>
        <translation>Une photo de %1 x %2 pixels ne peut pas garder ses proportions dans les tailles que permet cette fenêtre (de %3 à %4 pixels de large, de %3 à %5 pixels de haut).</translation>
    </message>
    <message>
        <source>With the photo's ratio, a width of %1 pixels needs a height of %2 pixels, but the height must be from %3 to %4 pixels. Choose another width, or untick "Keep width / height ratio".</source>
        <translation>Avec les proportions de la photo, une largeur de %1 pixels demande une hauteur de %2 pixels, mais la hauteur doit aller de %3 à %4 pixels. Choisissez une autre largeur, ou décochez « Garder le rapport largeur / hauteur ».</translation>
    </message>
    <message>
        <source>With the photo's ratio, a height of %1 pixels needs a width of %2 pixels, but the width must be from %3 to %4 pixels. Choose another height, or untick "Keep width / height ratio".</source>
        <translation>Avec les proportions de la photo, une hauteur de %1 pixels demande une largeur de %2 pixels, mais la largeur doit aller de %3 à %4 pixels. Choisissez une autre hauteur, ou décochez « Garder le rapport largeur / hauteur ».</translation>
    </message>
    <message>
        <source>This photo is %1 x %2 pixels; a new size can be at most %3 x %4 pixels. The largest size with the photo's proportions is proposed. OK without a change keeps the photo as it is.</source>
        <translation>Cette photo mesure %1 x %2 pixels ; une nouvelle taille peut mesurer au plus %3 x %4 pixels. La plus grande taille aux proportions de la photo est proposée. OK sans modification laisse la photo telle quelle.</translation>
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
    <name>Operation</name>
    <message>
        <source>Compare Window Edits</source>
        <translation>Modifications de la fenêtre de comparaison</translation>
    </message>
    <message>
        <source>New Image</source>
        <translation>Nouvelle image</translation>
    </message>
    <message>
        <source>Lighten Gradient</source>
        <translation>Dégradé de lumière</translation>
    </message>
    <message>
        <source>Mix</source>
        <translation>Mélange</translation>
    </message>
    <message>
        <source>Mix Gradient</source>
        <translation>Mélange d'un dégradé</translation>
    </message>
    <message>
        <source>Mix Image</source>
        <translation>Mélange d'une image</translation>
    </message>
    <message>
        <source>Mix Clipboard Image</source>
        <translation>Mélange de l'image du presse-papiers</translation>
    </message>
    <message>
        <source>Paste into Image</source>
        <translation>Collage dans l'image</translation>
    </message>
    <message>
        <source>Paste as New Image</source>
        <translation>Collage comme nouvelle image</translation>
    </message>
    <message>
        <source>Text Stamp</source>
        <translation>Tampon de texte</translation>
    </message>
    <message>
        <source>Reset Image</source>
        <translation>Réinitialisation de l'image</translation>
    </message>
    <message>
        <source>Optimize</source>
        <translation>Optimisation</translation>
    </message>
    <message>
        <source>Landscape Balance</source>
        <translation>Équilibre des couleurs paysage</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Éclaircissement</translation>
    </message>
    <message>
        <source>Sharpen</source>
        <translation>Netteté</translation>
    </message>
    <message>
        <source>Sharpen More</source>
        <translation>Netteté renforcée</translation>
    </message>
    <message>
        <source>Soften</source>
        <translation>Adoucissement</translation>
    </message>
    <message>
        <source>Auto Smooth</source>
        <translation>Lissage automatique</translation>
    </message>
    <message>
        <source>Gaussian Blur</source>
        <translation>Flou gaussien</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Rotation à droite</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Rotation à gauche</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Miroir horizontal</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Miroir vertical</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>New Size</source>
        <translation>Nouvelle taille</translation>
    </message>
    <message>
        <source>Brush Stroke</source>
        <translation>Coup de pinceau</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplissage</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Effacement</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Pen Stroke</source>
        <translation>Trait de crayon</translation>
    </message>
    <message>
        <source>Flesh Colour Balance</source>
        <translation>Équilibre des couleurs chair</translation>
    </message>
    <message>
        <source>Colour Shift</source>
        <translation>Décalage des couleurs</translation>
    </message>
    <message>
        <source>Grey Scale</source>
        <translation>Niveaux de gris</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recadrer</translation>
    </message>
    <message>
        <source>Straighten</source>
        <translation>Redresser</translation>
    </message>
    <message>
        <source>Red-Eye Removal</source>
        <translation>Correction des yeux rouges</translation>
    </message>
    <message>
        <source>Optimizing...</source>
        <translation>Optimisation...</translation>
    </message>
    <message>
        <source>Turning...</source>
        <translation>Rotation...</translation>
    </message>
    <message>
        <source>Cropping...</source>
        <translation>Recadrage...</translation>
    </message>
    <message>
        <source>Straightening...</source>
        <translation>Redressement...</translation>
    </message>
</context>
<context>
    <name>Operations</name>
    <message>
        <source>&amp;New Image...</source>
        <translation>&amp;Nouvelle image...</translation>
    </message>
    <message>
        <source>&amp;Lighten Gradient...</source>
        <translation>Dégradé de &amp;lumière...</translation>
    </message>
    <message>
        <source>&amp;Gradient...</source>
        <translation>&amp;Dégradé...</translation>
    </message>
    <message>
        <source>&amp;Image...</source>
        <translation>&amp;Image...</translation>
    </message>
    <message>
        <source>&amp;Clipboard Image...</source>
        <translation>Image du &amp;presse-papiers...</translation>
    </message>
    <message>
        <source>&amp;Paste into the Current Image...</source>
        <translation>C&amp;oller dans l'image actuelle...</translation>
    </message>
    <message>
        <source>Paste as &amp;New Image</source>
        <translation>Coller comme &amp;nouvelle image</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Text Stamp...</source>
        <translation>&amp;Tampon de texte...</translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation>Tampon</translation>
    </message>
    <message>
        <source>Text stamp</source>
        <translation>Tampon de texte</translation>
    </message>
    <message>
        <source>Optimize The Photo Now!</source>
        <translation>Optimiser la photo maintenant !</translation>
    </message>
    <message>
        <source>Automatic colour balance of the optimized photo</source>
        <translation>Équilibre automatique des couleurs de la photo optimisée</translation>
    </message>
    <message>
        <source>Optimize</source>
        <translation>Optimiser</translation>
    </message>
    <message>
        <source>&amp;Flesh Colour Balance</source>
        <translation>Équilibre des couleurs &amp;chair</translation>
    </message>
    <message>
        <source>&amp;Landscape Colour Balance</source>
        <translation>Équilibre des couleurs &amp;paysage</translation>
    </message>
    <message>
        <source>Red to Green by 10%</source>
        <translation>Rouge vers vert de 10 %</translation>
    </message>
    <message>
        <source>Red to Blue by 10%</source>
        <translation>Rouge vers bleu de 10 %</translation>
    </message>
    <message>
        <source>Green to Red by 10%</source>
        <translation>Vert vers rouge de 10 %</translation>
    </message>
    <message>
        <source>Green to Blue by 10%</source>
        <translation>Vert vers bleu de 10 %</translation>
    </message>
    <message>
        <source>Blue to Red by 10%</source>
        <translation>Bleu vers rouge de 10 %</translation>
    </message>
    <message>
        <source>Blue to Green by 10%</source>
        <translation>Bleu vers vert de 10 %</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Éclaircir</translation>
    </message>
    <message>
        <source>Grey &amp;Scale</source>
        <translation>&amp;Niveaux de gris</translation>
    </message>
    <message>
        <source>Sharpen</source>
        <translation>Netteté</translation>
    </message>
    <message>
        <source>Sharpen +</source>
        <translation>Netteté +</translation>
    </message>
    <message>
        <source>Soften</source>
        <translation>Adoucir</translation>
    </message>
    <message>
        <source>&amp;Auto Smooth</source>
        <translation>&amp;Lissage automatique</translation>
    </message>
    <message>
        <source>&amp;Gaussian Blur...</source>
        <translation>Flou &amp;gaussien...</translation>
    </message>
    <message>
        <source>Rotate to the Right (90 degrees)</source>
        <translation>Rotation à droite (90 degrés)</translation>
    </message>
    <message>
        <source>90</source>
        <translation>90</translation>
    </message>
    <message>
        <source>Rotate to the Left (270 degrees)</source>
        <translation>Rotation à gauche (270 degrés)</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Miroir horizontal</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Miroir vertical</translation>
    </message>
    <message>
        <source>Rotate by Angle...</source>
        <translation>Rotation d'un angle...</translation>
    </message>
    <message>
        <source>&amp;New Size...</source>
        <translation>&amp;Nouvelle taille...</translation>
    </message>
    <message>
        <source>&amp;Erase</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>&amp;Execute</source>
        <translation>&amp;Exécuter</translation>
    </message>
    <message>
        <source>&amp;Optimize the Photo</source>
        <translation>&amp;Optimiser la photo</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Rotate &amp;Right</source>
        <translation>Faire pivoter à &amp;droite</translation>
    </message>
    <message>
        <source>Rotate &amp;Left</source>
        <translation>Faire pivoter à &amp;gauche</translation>
    </message>
    <message>
        <source>Mirror H</source>
        <translation>Miroir H</translation>
    </message>
    <message>
        <source>Mirror &amp;Horizontally</source>
        <translation>Miroir &amp;horizontal</translation>
    </message>
    <message>
        <source>Mirror V</source>
        <translation>Miroir V</translation>
    </message>
    <message>
        <source>Mirror &amp;Vertically</source>
        <translation>Miroir &amp;vertical</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Rotate by an angle</source>
        <translation>Faire pivoter d'un angle</translation>
    </message>
    <message>
        <source>Rotate by &amp;Angle...</source>
        <translation>Faire pivoter d'un &amp;angle...</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
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
        <translation>Bouton d'équilibrage</translation>
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
    <name>PhotoList</name>
    <message>
        <source> ^ Parent</source>
        <translation> ^ Dossier parent</translation>
    </message>
    <message>
        <source>Nothing is selected.</source>
        <translation>Rien n'est sélectionné.</translation>
    </message>
    <message>
        <source>No file is selected.</source>
        <translation>Aucun fichier n'est sélectionné.</translation>
    </message>
    <message>
        <source>Files cannot be put among the drives: open a folder first.</source>
        <translation>On ne peut pas mettre de fichiers parmi les lecteurs : ouvrez d'abord un dossier.</translation>
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
        <translation>Impossible de lire %1 : %2.</translation>
    </message>
    <message>
        <source>Could not put a link to %1 on the desktop: %2.</source>
        <translation>Impossible de placer un lien vers %1 sur le bureau : %2.</translation>
    </message>
    <message>
        <source>Some links could not be put on the desktop:</source>
        <translation>Certains liens n'ont pas pu être placés sur le bureau :</translation>
    </message>
    <message>
        <source>There is nothing to paste: cut or copy files first.</source>
        <translation>Il n'y a rien à coller : coupez ou copiez d'abord des fichiers.</translation>
    </message>
    <message>
        <source>%1 is read-only: it cannot be renamed.</source>
        <translation>%1 est en lecture seule : il ne peut pas être renommé.</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Nouveau nom :</translation>
    </message>
    <message>
        <source>%1 is no longer there.</source>
        <translation>%1 n'existe plus.</translation>
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
        <translation>la liste n'affiche que %1</translation>
    </message>
    <message>
        <source>%1 would no longer be listed here (%2). Rename it anyway?</source>
        <translation>%1 ne serait plus affiché ici (%2). Le renommer quand même ?</translation>
    </message>
    <message>
        <source>Could not rename %1: %2.</source>
        <translation>Impossible de renommer %1 : %2.</translation>
    </message>
    <message>
        <source>Do you want to move %1 to the Trash?</source>
        <translation>Voulez-vous mettre %1 à la corbeille ?</translation>
    </message>
    <message>
        <source>Do you want to move these %1 items to the Trash?</source>
        <translation>Voulez-vous mettre ces %1 éléments à la corbeille ?</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Mettre à la corbeille</translation>
    </message>
    <message>
        <source>Could not move %1 to the Trash: %2.</source>
        <translation>Impossible de mettre %1 à la corbeille : %2.</translation>
    </message>
    <message>
        <source>Some items could not be moved to the Trash:</source>
        <translation>Certains éléments n'ont pas pu être mis à la corbeille :</translation>
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
        <translation>Nom du dossier :</translation>
    </message>
    <message>
        <source>Could not make the folder %1: %2.</source>
        <translation>Impossible de créer le dossier %1 : %2.</translation>
    </message>
    <message>
        <source>not a usable name</source>
        <translation>ce nom n'est pas utilisable</translation>
    </message>
    <message>
        <source>A folder name cannot contain any of these characters: %1</source>
        <translation>Un nom de dossier ne peut contenir aucun de ces caractères : %1</translation>
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
        <source>&amp;Send To</source>
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
        <source>Propert&amp;ies</source>
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
        <translation>Le dossier %1 ne peut pas être lu : %2.</translation>
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
        <translation>%1 n'existe plus.</translation>
    </message>
</context>
<context>
    <name>PhotoNotice</name>
    <message>
        <source>%1 is damaged: %2. Saving it keeps the picture as shown.

The decoder said: %3</source>
        <translation>%1 est endommagé : %2. L'enregistrer conserve l'image telle qu'elle est affichée.

Le décodeur a indiqué : %3</translation>
    </message>
</context>
<context>
    <name>PhotoSaving</name>
    <message>
        <source>JPEG photos (*.jpg *.jpeg)</source>
        <translation>Photos JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>JPEG photos (*.jpg *.jpeg);;Bitmaps (*.bmp)</source>
        <translation>Photos JPEG (*.jpg *.jpeg);;Images BMP (*.bmp)</translation>
    </message>
    <message>
        <source>Delete refused: a new picture is loaded.
Open the photo file again, then delete it.</source>
        <translation>Suppression refusée : une nouvelle image est chargée.
Rouvrez le fichier de la photo, puis supprimez-le.</translation>
    </message>
    <message>
        <source>Save or Replace?</source>
        <translation>Enregistrer ou remplacer ?</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Mettre à la corbeille</translation>
    </message>
    <message>
        <source>Photo Changed by Another Program</source>
        <translation>Photo modifiée par un autre programme</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened.

Save this picture as a copy beside it, replace it, or cancel?</source>
        <translation>%1 a été modifié par un autre programme depuis son ouverture.

Enregistrer cette image en copie à côté, remplacer le fichier, ou annuler ?</translation>
    </message>
    <message>
        <source>Save as a Copy</source>
        <translation>Enregistrer une copie</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Do you want to move %1 to the Trash?</source>
        <translation>Voulez-vous mettre %1 à la corbeille ?</translation>
    </message>
    <message>
        <source>Could not move %1 to the Trash: %2.</source>
        <translation>Impossible de mettre %1 à la corbeille : %2.</translation>
    </message>
    <message>
        <source>The original photo "%1" is damaged: only part of it could be decoded.

Replacing it keeps only what could be decoded, and the rest of the original is lost for good. Do you want to replace it anyway?</source>
        <translation>La photo d'origine « %1 » est endommagée : seule une partie a pu être décodée.

La remplacer ne conserve que ce qui a pu être décodé, et le reste de l'original est perdu définitivement. Voulez-vous la remplacer quand même ?</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Erreur inattendue</translation>
    </message>
    <message>
        <source>A file named "%1" already exists in %2.

Do you want to replace it? What it holds now is lost.</source>
        <translation>Un fichier nommé « %1 » existe déjà dans %2.

Voulez-vous le remplacer ? Son contenu actuel sera perdu.</translation>
    </message>
    <message>
        <source>Lumora saves photos as JPEG files (or as bitmaps, ending in .bmp), so "%1" would not be what its name says.

The name is changed to "%2": check it and save again.</source>
        <translation>Lumora enregistre les photos en fichiers JPEG (ou en bitmaps, finissant par .bmp) : « %1 » ne serait donc pas ce que son nom annonce.

Le nom devient « %2 » : vérifiez-le et enregistrez à nouveau.</translation>
    </message>
    <message>
        <source>Save the changes over the photo "%1"?

Replace writes them into that file, and the photo as it was is lost. Save As keeps it and asks for a new name.</source>
        <translation>Enregistrer les modifications sur la photo « %1 » ?

« Remplacer » les écrit dans ce fichier, et la photo telle qu'elle était est perdue. « Enregistrer sous » la conserve et demande un nouveau nom.</translation>
    </message>
    <message>
        <source>Saved without loss of quality: the photo's original JPEG data was turned, not compressed again.</source>
        <translation>Enregistrée sans perte de qualité : les données JPEG d'origine de la photo ont été pivotées, sans nouvelle compression.</translation>
    </message>
    <message>
        <source>Saved by compressing the picture again: turning the original JPEG data would have cut off its edge.</source>
        <translation>Enregistrée en compressant l'image à nouveau : faire pivoter les données JPEG d'origine en aurait coupé le bord.</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
</context>
<context>
    <name>PhotoThumbView</name>
    <message>
        <source>This photo cannot be shown: %1</source>
        <translation>Impossible d'afficher cette photo : %1</translation>
    </message>
    <message>
        <source>Cannot show</source>
        <translation>Affichage impossible</translation>
    </message>
</context>
<context>
    <name>PictureChooser</name>
    <message>
        <source>The drive is not ready (no disc or medium in it).</source>
        <translation>Le lecteur n'est pas prêt (aucun disque ni support inséré).</translation>
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
        <translation>Double-cliquez sur un dossier, ou appuyez sur Entrée, pour l'ouvrir</translation>
    </message>
    <message>
        <source>BMP and JPEG pictures of the folder</source>
        <translation>Images BMP et JPEG du dossier</translation>
    </message>
    <message>
        <source>The folder %1 is not there any more.</source>
        <translation>Le dossier %1 n'existe plus.</translation>
    </message>
    <message>
        <source>Size %1 x %2</source>
        <translation>Taille %1 x %2</translation>
    </message>
</context>
<context>
    <name>RotateAngleDialog</name>
    <message>
        <source>Rotate by Angle</source>
        <translation>Rotation d'un angle</translation>
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
    <name>SpinEdit</name>
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
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
</context>
<context>
    <name>TextStampDialog</name>
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
        <translation>Clic gauche : la couleur des lettres ; clic droit : la couleur du contour</translation>
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
        <translation>Cliquez pour choisir le gris de l'ombre</translation>
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
        <translation>Redessiner l'aperçu</translation>
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
        <source>The height of a line of text as a part of the photo's height</source>
        <translation>La hauteur d'une ligne de texte, en part de la hauteur de la photo</translation>
    </message>
    <message>
        <source>Line height</source>
        <translation>Hauteur de ligne</translation>
    </message>
    <message>
        <source>Letters %1 pixels high in this preview</source>
        <translation>Lettres de %1 pixels de haut dans cet aperçu</translation>
    </message>
    <message>
        <source>Letters %1 pixels high on the %2 × %3 photo, shown at the place they land</source>
        <translation>Lettres de %1 pixels de haut sur la photo de %2 × %3, montrées à l'endroit où elles seront posées</translation>
    </message>
    <message>
        <source>The stamp could not be drawn this big; try a smaller line height.</source>
        <translation>Le tampon n'a pas pu être dessiné aussi grand ; essayez une hauteur de ligne plus petite.</translation>
    </message>
    <message>
        <source>Shadow grey</source>
        <translation>Gris de l'ombre</translation>
    </message>
    <message>
        <source>The left and right arrow keys make the shadow darker or lighter</source>
        <translation>Les flèches gauche et droite assombrissent ou éclaircissent l'ombre</translation>
    </message>
</context>
<context>
    <name>ThumbnailIcons</name>
    <message>
        <source>This picture cannot be shown: %1</source>
        <translation>Impossible d'afficher cette image : %1</translation>
    </message>
</context>
<context>
    <name>WindowMenus</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Su&amp;pprimer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
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
        <source>&amp;Memorize</source>
        <translation>&amp;Mémoriser</translation>
    </message>
    <message>
        <source>Mi&amp;xing</source>
        <translation>Mé&amp;langer</translation>
    </message>
    <message>
        <source>&amp;Original Image %</source>
        <translation>Image d'&amp;origine %</translation>
    </message>
    <message>
        <source>&amp;Optimization</source>
        <translation>&amp;Optimisation</translation>
    </message>
    <message>
        <source>&amp;Macro</source>
        <translation>&amp;Macro</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Terminer</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>Op&amp;tions...</translation>
    </message>
    <message>
        <source>Re&amp;set Image</source>
        <translation>Réinitialiser l'&amp;image</translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation>&amp;Image</translation>
    </message>
    <message>
        <source>Co&amp;mpare with the Original</source>
        <translation>Co&amp;mparer avec l'original</translation>
    </message>
    <message>
        <source>Lumora &amp;Help</source>
        <translation>&amp;Aide de Lumora</translation>
    </message>
    <message>
        <source>Online &amp;Manual</source>
        <translation>&amp;Manuel en ligne</translation>
    </message>
    <message>
        <source>&amp;About Lumora</source>
        <translation>À &amp;propos de Lumora</translation>
    </message>
    <message>
        <source>Colour &amp;Shift</source>
        <translation>Décalage des &amp;couleurs</translation>
    </message>
    <message>
        <source>S&amp;traighten...</source>
        <translation>Re&amp;dresser...</translation>
    </message>
    <message>
        <source>&amp;Crop...</source>
        <translation>&amp;Recadrer...</translation>
    </message>
    <message>
        <source>Cr&amp;op to Selection</source>
        <translation>Recadrer à la sélecti&amp;on</translation>
    </message>
    <message>
        <source>Red-&amp;Eye Removal...</source>
        <translation>Correction des &amp;yeux rouges...</translation>
    </message>
</context>
<context>
    <name>lum</name>
    <message>
        <source>There is no picture to mix.</source>
        <translation>Il n'y a pas d'image à mélanger.</translation>
    </message>
    <message>
        <source>There is no picture on the clipboard.</source>
        <translation>Il n'y a pas d'image dans le presse-papiers.</translation>
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
        <translation>Nouvelle taille incorrecte : la hauteur ne peut pas dépasser 2048 pixels.</translation>
    </message>
    <message>
        <source>Invalid new size: the width and the height must be at least 8 pixels.</source>
        <translation>Nouvelle taille incorrecte : la largeur et la hauteur doivent faire au moins 8 pixels.</translation>
    </message>
    <message>
        <source>Do&amp;n't Save</source>
        <translation>&amp;Ne pas enregistrer</translation>
    </message>
    <message>
        <source>open the compare window</source>
        <translation>ouvrir la fenêtre de comparaison</translation>
    </message>
    <message>
        <source>open this photo</source>
        <translation>ouvrir cette photo</translation>
    </message>
    <message>
        <source>do this</source>
        <translation>faire cela</translation>
    </message>
    <message>
        <source>Invalid BMP file: %1</source>
        <translation>Fichier BMP incorrect : %1</translation>
    </message>
    <message>
        <source>a colour mask is not contiguous</source>
        <translation>un masque de couleur n'est pas contigu</translation>
    </message>
    <message>
        <source>the file is too short</source>
        <translation>le fichier est trop court</translation>
    </message>
    <message>
        <source>the signature is missing</source>
        <translation>la signature manque</translation>
    </message>
    <message>
        <source>unknown header size %1</source>
        <translation>taille d'en-tête inconnue %1</translation>
    </message>
    <message>
        <source>the header is cut off</source>
        <translation>l'en-tête est tronqué</translation>
    </message>
    <message>
        <source>the picture size is %1 x %2</source>
        <translation>la taille de l'image est %1 x %2</translation>
    </message>
    <message>
        <source>the plane count is %1</source>
        <translation>le nombre de plans est %1</translation>
    </message>
    <message>
        <source>%1 bits per pixel</source>
        <translation>%1 bits par pixel</translation>
    </message>
    <message>
        <source>Compressed BMP files (RLE) are not supported</source>
        <translation>Les fichiers BMP compressés (RLE) ne sont pas pris en charge</translation>
    </message>
    <message>
        <source>Unsupported BMP compression (type %1)</source>
        <translation>Compression BMP non prise en charge (type %1)</translation>
    </message>
    <message>
        <source>colour masks with %1 bits per pixel</source>
        <translation>masques de couleur avec %1 bits par pixel</translation>
    </message>
    <message>
        <source>the colour masks are cut off</source>
        <translation>les masques de couleur sont tronqués</translation>
    </message>
    <message>
        <source>the pixel data overlaps the header</source>
        <translation>les données des pixels chevauchent l'en-tête</translation>
    </message>
    <message>
        <source>the pixel data is cut off (%1 bytes, %2 needed)</source>
        <translation>les données des pixels sont tronquées (%1 octets, %2 nécessaires)</translation>
    </message>
    <message>
        <source>Cannot save an empty picture as BMP</source>
        <translation>Impossible d'enregistrer une image vide en BMP</translation>
    </message>
    <message>
        <source>Picture too large for a BMP file</source>
        <translation>Image trop grande pour un fichier BMP</translation>
    </message>
    <message>
        <source>Decoding cancelled</source>
        <translation>Décodage annulé</translation>
    </message>
    <message>
        <source>its colour profile is damaged or unusable and was ignored</source>
        <translation>son profil de couleur est endommagé ou inutilisable et a été ignoré</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 Go</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>File too large: "%1" (the limit is %2)</source>
        <translation>Fichier trop volumineux : « %1 » (la limite est de %2)</translation>
    </message>
    <message>
        <source>"%1" is %2, not a regular photo file</source>
        <translation>« %1 » est %2, pas un fichier photo ordinaire</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>un périphérique caractère</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>un périphérique bloc</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>une socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>un fichier spécial</translation>
    </message>
    <message>
        <source>Not enough memory for a %1 x %2 picture</source>
        <translation>Mémoire insuffisante pour une image de %1 x %2</translation>
    </message>
    <message>
        <source>Cannot open "%1": %2</source>
        <translation>Impossible d'ouvrir « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot read "%1": %2</source>
        <translation>Impossible de lire « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot write a file without a name</source>
        <translation>Impossible d'écrire un fichier sans nom</translation>
    </message>
    <message>
        <source>Cannot write "%1": it is %2, not a regular file</source>
        <translation>Impossible d'écrire « %1 » : c'est %2, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Cannot write "%1" (a link to "%2"): %3</source>
        <translation>Impossible d'écrire « %1 » (un lien vers « %2 ») : %3</translation>
    </message>
    <message>
        <source>Cannot write "%1": %2</source>
        <translation>Impossible d'écrire « %1 » : %2</translation>
    </message>
    <message>
        <source>Image too large: %1 x %2 pixels</source>
        <translation>Image trop grande : %1 x %2 pixels</translation>
    </message>
    <message>
        <source>its data is damaged</source>
        <translation>ses données sont endommagées</translation>
    </message>
    <message>
        <source>Not enough memory to read a HEIF file</source>
        <translation>Mémoire insuffisante pour lire un fichier HEIF</translation>
    </message>
    <message>
        <source>the picture could not be decoded</source>
        <translation>l'image n'a pas pu être décodée</translation>
    </message>
    <message>
        <source>Invalid image size</source>
        <translation>Taille d'image incorrecte</translation>
    </message>
    <message>
        <source>Image too large: %1 x %2 pixels (the limit is 250 megapixels)</source>
        <translation>Image trop grande : %1 x %2 pixels (la limite est de 250 mégapixels)</translation>
    </message>
    <message>
        <source>Image too large</source>
        <translation>Image trop grande</translation>
    </message>
    <message>
        <source>Too many scans in this progressive JPEG file (the limit is %1)</source>
        <translation>Trop de passes dans ce fichier JPEG progressif (la limite est de %1)</translation>
    </message>
    <message>
        <source>The file holds no picture data for its %1 x %2 pixels</source>
        <translation>Le fichier ne contient aucune donnée d'image pour ses %1 x %2 pixels</translation>
    </message>
    <message>
        <source>The file is far too short to hold its %1 x %2 pixels (%3 bytes of picture data)</source>
        <translation>Le fichier est bien trop court pour contenir ses %1 x %2 pixels (%3 octets de données d'image)</translation>
    </message>
    <message>
        <source>Image too large: %1 x %2 pixels in a progressive JPEG needs %3 MB to decode (the limit is %4 MB)</source>
        <translation>Image trop grande : %1 x %2 pixels dans un JPEG progressif demandent %3 Mo pour le décodage (la limite est de %4 Mo)</translation>
    </message>
    <message>
        <source>Unsupported JPEG colour format (%1 components)</source>
        <translation>Format de couleur JPEG non pris en charge (%1 composantes)</translation>
    </message>
    <message>
        <source>There is not enough memory to %1: it needs about %2 MB and %3 MB are free. Close other programs or windows and try again.</source>
        <translation>Il n'y a pas assez de mémoire pour %1 : il faut environ %2 Mo et %3 Mo sont libres. Fermez d'autres programmes ou fenêtres et réessayez.</translation>
    </message>
    <message>
        <source>the lower part of the picture is missing (the file ends early)</source>
        <translation>la partie basse de l'image manque (le fichier se termine trop tôt)</translation>
    </message>
    <message>
        <source>the lower part of the picture is missing (its data breaks off)</source>
        <translation>la partie basse de l'image manque (ses données s'interrompent)</translation>
    </message>
    <message>
        <source>parts of the picture are blurred or missing (the file ends early)</source>
        <translation>des parties de l'image sont floues ou manquent (le fichier se termine trop tôt)</translation>
    </message>
    <message>
        <source>parts of the picture may be wrong (its data is corrupt)</source>
        <translation>des parties de l'image peuvent être fausses (ses données sont corrompues)</translation>
    </message>
    <message>
        <source>parts of the picture may be wrong or missing</source>
        <translation>des parties de l'image peuvent être fausses ou manquer</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>%1 is damaged: %2. The decoder said: %3</source>
        <translation>%1 est endommagé : %2. Le décodeur a indiqué : %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1 ; %2</translation>
    </message>
    <message>
        <source>JPEG error #%1 in %2</source>
        <translation>Erreur JPEG n° %1 dans %2</translation>
    </message>
    <message>
        <source>JPEG error #%1 in %2: %3</source>
        <translation>Erreur JPEG n° %1 dans %2 : %3</translation>
    </message>
    <message>
        <source>%1 error in %2: %3</source>
        <translation>Erreur %1 dans %2 : %3</translation>
    </message>
    <message>
        <source>%1 (left as it was)</source>
        <translation>%1 (laissé tel quel)</translation>
    </message>
    <message>
        <source>Unknown picture format</source>
        <translation>Format d'image inconnu</translation>
    </message>
    <message>
        <source>Not enough memory to read this PNG file</source>
        <translation>Mémoire insuffisante pour lire ce fichier PNG</translation>
    </message>
    <message>
        <source>Not enough memory for this PNG picture</source>
        <translation>Mémoire insuffisante pour cette image PNG</translation>
    </message>
    <message>
        <source>Not enough memory to read a PNG file</source>
        <translation>Mémoire insuffisante pour lire un fichier PNG</translation>
    </message>
    <message>
        <source>this is not a file of its kind, or its header is damaged</source>
        <translation>ce n'est pas un fichier de ce type, ou son en-tête est endommagé</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>l'image est trop grande (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>it would take more memory than a photo may</source>
        <translation>elle demanderait plus de mémoire qu'une photo ne le peut</translation>
    </message>
    <message>
        <source>part of the picture data is missing (the file ends early or is damaged)</source>
        <translation>une partie des données de l'image manque (le fichier se termine trop tôt ou est endommagé)</translation>
    </message>
    <message>
        <source>its table of contents (a directory) is damaged</source>
        <translation>sa table des matières (un répertoire) est endommagée</translation>
    </message>
    <message>
        <source>it is stored in a way this program cannot read</source>
        <translation>elle est enregistrée d'une façon que ce programme ne sait pas lire</translation>
    </message>
    <message>
        <source>%1 error: %2</source>
        <translation>Erreur %1 : %2</translation>
    </message>
    <message>
        <source>unreadable picture data</source>
        <translation>données d'image illisibles</translation>
    </message>
    <message>
        <source>strips or tiles of no size</source>
        <translation>bandes ou tuiles sans taille</translation>
    </message>
    <message>
        <source>strips or tiles too large (%1 x %2 pixels)</source>
        <translation>bandes ou tuiles trop grandes (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>Not enough memory to read this TIFF file</source>
        <translation>Mémoire insuffisante pour lire ce fichier TIFF</translation>
    </message>
    <message>
        <source>Not enough memory to read a TIFF file</source>
        <translation>Mémoire insuffisante pour lire un fichier TIFF</translation>
    </message>
    <message>
        <source>not a TIFF file</source>
        <translation>pas un fichier TIFF</translation>
    </message>
    <message>
        <source>the picture has no size</source>
        <translation>l'image n'a pas de taille</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>invalid parameter</source>
        <translation>paramètre incorrect</translation>
    </message>
    <message>
        <source>the picture data is corrupt</source>
        <translation>les données de l'image sont corrompues</translation>
    </message>
    <message>
        <source>a feature this reader does not support</source>
        <translation>une fonction que ce lecteur ne prend pas en charge</translation>
    </message>
    <message>
        <source>premature end of WebP file</source>
        <translation>fin prématurée du fichier WebP</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>the library cannot decode animations</source>
        <translation>la bibliothèque ne sait pas décoder les animations</translation>
    </message>
    <message>
        <source>the first frame of the animation cannot be decoded</source>
        <translation>la première image de l'animation ne peut pas être décodée</translation>
    </message>
    <message>
        <source>library version mismatch</source>
        <translation>version de bibliothèque incompatible</translation>
    </message>
    <message>
        <source>There is not enough memory for this. Close other programs or windows and try again.</source>
        <translation>Il n'y a pas assez de mémoire pour cela. Fermez d'autres programmes ou fenêtres et réessayez.</translation>
    </message>
    <message>
        <source>The crop rectangle must lie inside the picture and hold at least one pixel.</source>
        <translation>Le rectangle de recadrage doit se trouver dans l'image et contenir au moins un pixel.</translation>
    </message>
    <message>
        <source>The picture is too small to be straightened.</source>
        <translation>L'image est trop petite pour être redressée.</translation>
    </message>
    <message>
        <source>The red-eye rectangle must hold at least one pixel of the picture.</source>
        <translation>Le rectangle des yeux rouges doit contenir au moins un pixel de l'image.</translation>
    </message>
    <message>
        <source>damaged data</source>
        <translation>données endommagées</translation>
    </message>
    <message>
        <source>JPEG error #%1</source>
        <translation>Erreur JPEG n° %1</translation>
    </message>
    <message>
        <source>JPEG error #%1: %2</source>
        <translation>Erreur JPEG n° %1 : %2</translation>
    </message>
    <message>
        <source>the file is far too short for its %1 x %2 pixels (%3 bytes of picture data)</source>
        <translation>le fichier est bien trop court pour ses %1 x %2 pixels (%3 octets de données d'image)</translation>
    </message>
    <message>
        <source>so much of the picture data is damaged that reading stopped (%1)</source>
        <translation>les données de l'image sont si endommagées que la lecture s'est arrêtée (%1)</translation>
    </message>
    <message>
        <source>the file ends before the picture does</source>
        <translation>le fichier se termine avant la fin de l'image</translation>
    </message>
    <message>
        <source>the picture data breaks off before its end</source>
        <translation>les données de l'image s'interrompent avant la fin</translation>
    </message>
    <message>
        <source>the picture data is garbled</source>
        <translation>les données de l'image sont brouillées</translation>
    </message>
    <message>
        <source>stray bytes lie in the picture data</source>
        <translation>des octets parasites se trouvent dans les données de l'image</translation>
    </message>
    <message>
        <source>a piece of the picture data is missing or out of order</source>
        <translation>un morceau des données de l'image manque ou n'est pas à sa place</translation>
    </message>
    <message>
        <source>the parts of the picture data do not fit together</source>
        <translation>les parties des données de l'image ne concordent pas</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>this is not a JPEG file</source>
        <translation>ce n'est pas un fichier JPEG</translation>
    </message>
    <message>
        <source>the file holds no picture data</source>
        <translation>le fichier ne contient aucune donnée d'image</translation>
    </message>
    <message>
        <source>the file's structure is damaged</source>
        <translation>la structure du fichier est endommagée</translation>
    </message>
    <message>
        <source>a table needed to decode the picture is missing or damaged</source>
        <translation>une table nécessaire au décodage de l'image manque ou est endommagée</translation>
    </message>
    <message>
        <source>the description of the picture in its header is damaged</source>
        <translation>la description de l'image dans son en-tête est endommagée</translation>
    </message>
    <message>
        <source>the picture is larger than a JPEG file may hold</source>
        <translation>l'image est plus grande que ce qu'un fichier JPEG peut contenir</translation>
    </message>
    <message>
        <source>The EXIF thumbnail (the small preview inside the photo) no longer fits in the photo's metadata and was left out</source>
        <translation>La vignette EXIF (le petit aperçu enregistré dans la photo) ne tient plus dans les métadonnées de la photo et a été omise</translation>
    </message>
    <message>
        <source>The EXIF thumbnail (the small preview inside the photo) could not be made again for the changed photo and was left out</source>
        <translation>La vignette EXIF (le petit aperçu enregistré dans la photo) n'a pas pu être refaite pour la photo modifiée et a été omise</translation>
    </message>
    <message>
        <source>The EXIF block could not be read safely and was kept as it was</source>
        <translation>Le bloc EXIF ne pouvait pas être lu sans risque et a été conservé tel quel</translation>
    </message>
    <message>
        <source>1 column</source>
        <translation>1 colonne</translation>
    </message>
    <message>
        <source>%1 columns</source>
        <translation>%1 colonnes</translation>
    </message>
    <message>
        <source>1 row</source>
        <translation>1 ligne</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 lignes</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>the edge of %1 that could not be turned without loss was cut off</source>
        <translation>le bord de %1 qui ne pouvait pas être tourné sans perte a été rogné</translation>
    </message>
    <message>
        <source>The JPEG library could not be started</source>
        <translation>La bibliothèque JPEG n'a pas pu être lancée</translation>
    </message>
    <message>
        <source>Not a JPEG photo that can be turned without loss</source>
        <translation>Ce n'est pas une photo JPEG que l'on peut faire pivoter sans perte</translation>
    </message>
    <message>
        <source>The JPEG photo's colour sampling cannot be turned without loss</source>
        <translation>L'échantillonnage des couleurs de cette photo JPEG ne permet pas de la faire pivoter sans perte</translation>
    </message>
    <message>
        <source>The photo is too large to be turned</source>
        <translation>La photo est trop grande pour être tournée</translation>
    </message>
    <message>
        <source>The photo is smaller than one block of its compressed data and cannot be turned without loss</source>
        <translation>La photo est plus petite qu'un bloc de ses données compressées et ne peut pas être tournée sans perte</translation>
    </message>
    <message>
        <source>The photo cannot be turned without loss</source>
        <translation>La photo ne peut pas être tournée sans perte</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Aucun fichier ou dossier de ce nom</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Le fichier existe déjà</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Plus de place sur le disque</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Quota de disque dépassé</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Système de fichiers en lecture seule</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>C'est un dossier</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Ce n'est pas un dossier</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>Le dossier n'est pas vide</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nom de fichier trop long</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Trop de niveaux de liens symboliques</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Fichier trop volumineux</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Erreur d'entrée/sortie</translation>
    </message>
    <message>
        <source>Invalid cross-device link</source>
        <translation>Lien entre disques différents impossible</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Périphérique ou ressource occupé</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
</context>
<context>
    <name>lum::BatchDialog</name>
    <message>
        <source>Optimize Photos</source>
        <translation>Optimiser des photos</translation>
    </message>
    <message>
        <source>Write the optimized photos</source>
        <translation>Écrire les photos optimisées</translation>
    </message>
    <message>
        <source>Into the folder “%1” beside the photos</source>
        <translation>Dans le dossier « %1 » à côté des photos</translation>
    </message>
    <message>
        <source>Into another folder:</source>
        <translation>Dans un autre dossier :</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>Over the original photos</source>
        <translation>Par-dessus les photos d'origine</translation>
    </message>
    <message>
        <source>The original photos will be replaced and cannot be brought back. Damaged photos are left as they are.</source>
        <translation>Les photos d'origine seront remplacées et ne pourront pas être récupérées. Les photos endommagées restent telles quelles.</translation>
    </message>
    <message>
        <source>Replace photos of the same name already in that folder</source>
        <translation>Remplacer les photos du même nom déjà présentes dans ce dossier</translation>
    </message>
    <message>
        <source>JPEG</source>
        <translation>JPEG</translation>
    </message>
    <message>
        <source>&amp;Quality (10 to 100):</source>
        <translation>&amp;Qualité (de 10 à 100) :</translation>
    </message>
    <message>
        <source>&amp;Progressive display</source>
        <translation>Affichage &amp;progressif</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Folder for the Optimized Photos</source>
        <translation>Dossier des photos optimisées</translation>
    </message>
    <message>
        <source>%v of %m photos</source>
        <translation>%v photos sur %m</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>&amp;Ouvrir le dossier de sortie</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Optimize 1 photo from %1.</source>
        <translation>Optimiser 1 photo de %1.</translation>
    </message>
    <message>
        <source>Optimize %1 photos from %2.</source>
        <translation>Optimiser %1 photos de %2.</translation>
    </message>
    <message>
        <source>Choose the folder for the optimized photos.</source>
        <translation>Choisissez le dossier des photos optimisées.</translation>
    </message>
    <message>
        <source>That is the photos' own folder. To write over the originals, choose “Over the original photos”.</source>
        <translation>C'est le dossier même des photos. Pour écrire par-dessus les originaux, choisissez « Par-dessus les photos d'origine ».</translation>
    </message>
    <message>
        <source>Replace the Original Photos?</source>
        <translation>Remplacer les photos d'origine ?</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Démarrage...</translation>
    </message>
    <message>
        <source>Working out the time left...</source>
        <translation>Calcul du temps restant...</translation>
    </message>
    <message>
        <source>Stopping once the photos being written are finished...</source>
        <translation>Arrêt dès que les photos en cours d'écriture sont terminées...</translation>
    </message>
    <message>
        <source>Optimizing %1</source>
        <translation>Optimisation de %1</translation>
    </message>
    <message>
        <source>Finishing...</source>
        <translation>Finalisation...</translation>
    </message>
    <message>
        <source>%1: a file of that name is already in the output folder and was left as it was.</source>
        <translation>%1 : un fichier de ce nom se trouve déjà dans le dossier de sortie et a été laissé tel quel.</translation>
    </message>
    <message>
        <source>%1: another photo of the batch has the same name, so it was not written.</source>
        <translation>%1 : une autre photo du lot porte le même nom, elle n'a donc pas été écrite.</translation>
    </message>
    <message>
        <source>%1; the original was left as it was.</source>
        <translation>%1 ; l'original a été laissé tel quel.</translation>
    </message>
    <message>
        <source>%1 is not a JPEG photo and was left as it was; write it to another folder to get its JPEG copy.</source>
        <translation>%1 n'est pas une photo JPEG et a été laissée telle quelle ; écrivez-la dans un autre dossier pour obtenir sa copie JPEG.</translation>
    </message>
    <message>
        <source>%1 was not written: %2</source>
        <translation>%1 n'a pas été écrit : %2</translation>
    </message>
    <message>
        <source>1 photo</source>
        <translation>1 photo</translation>
    </message>
    <message>
        <source>%1 photos</source>
        <translation>%1 photos</translation>
    </message>
    <message>
        <source>The photos could not be optimized: %1</source>
        <translation>Les photos n'ont pas pu être optimisées : %1</translation>
    </message>
    <message>
        <source>%1 optimized in place.</source>
        <translation>Optimisation sur place terminée pour %1.</translation>
    </message>
    <message>
        <source>%1 written to %2.</source>
        <translation>Enregistrement dans %2 terminé pour %1.</translation>
    </message>
    <message>
        <source>Cancelled: %1 not done.</source>
        <translation>Annulé. Non traitées : %1.</translation>
    </message>
    <message>
        <source>%1 skipped, listed below.</source>
        <translation>Non traitées (voir la liste ci-dessous) : %1.</translation>
    </message>
    <message>
        <source>Skipped:</source>
        <translation>Ignorées :</translation>
    </message>
    <message>
        <source>Written, with a warning:</source>
        <translation>Écrites, avec un avertissement :</translation>
    </message>
    <message>
        <source>&amp;Open Folder</source>
        <translation>&amp;Ouvrir le dossier</translation>
    </message>
    <message>
        <source>The folder %1 could not be opened.</source>
        <translation>Le dossier %1 n'a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>%1 pixels</source>
        <translation>%1 pixels</translation>
    </message>
    <message>
        <source>Original size</source>
        <translation>Taille d'origine</translation>
    </message>
    <message>
        <source>&amp;Long side:</source>
        <translation>Grand &amp;côté :</translation>
    </message>
    <message>
        <source>JPEG &amp;quality (10 to 100):</source>
        <translation>&amp;Qualité JPEG (10 à 100) :</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Dossier :</translation>
    </message>
    <message>
        <source>&amp;Remove the location and personal details</source>
        <translation>&amp;Retirer le lieu et les informations personnelles</translation>
    </message>
    <message>
        <source>GPS position, camera and lens serial numbers, owner and artist names, maker notes, places and creators in XMP and IPTC</source>
        <translation>Position GPS, numéros de série de l'appareil et de l'objectif, noms du propriétaire et de l'auteur, notes du fabricant, lieux et créateurs en XMP et IPTC</translation>
    </message>
    <message>
        <source>Copies are JPEG files in sRGB under the photos' names; a file already in the folder is never replaced (a number is added). The photos themselves are not changed.</source>
        <translation>Les copies sont des fichiers JPEG en sRGB portant le nom des photos ; un fichier déjà présent dans le dossier n'est jamais remplacé (un numéro est ajouté). Les photos elles-mêmes ne sont pas modifiées.</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exporter</translation>
    </message>
    <message>
        <source>Folder for the Copies</source>
        <translation>Dossier des copies</translation>
    </message>
    <message>
        <source>Choose the folder for the copies.</source>
        <translation>Choisissez le dossier des copies.</translation>
    </message>
    <message>
        <source>Export Copies</source>
        <translation>Exporter des copies</translation>
    </message>
    <message>
        <source>Export a copy of 1 photo from %1.</source>
        <translation>Exporter une copie d’une photo de %1.</translation>
    </message>
    <message>
        <source>Export copies of %1 photos from %2.</source>
        <translation>Exporter des copies de %1 photos de %2.</translation>
    </message>
    <message>
        <source>Exporting %1</source>
        <translation>Exportation de %1</translation>
    </message>
    <message>
        <source>The copies could not be made: %1</source>
        <translation>Les copies n'ont pas pu être faites : %1</translation>
    </message>
    <message>
        <source>Turn Photos</source>
        <translation>Faire pivoter les photos</translation>
    </message>
    <message>
        <source>Turning %1</source>
        <translation>Rotation de %1</translation>
    </message>
    <message>
        <source>%1: Lumora cannot write photos of this format, so it was left as it was.</source>
        <translation>%1 : Lumora ne sait pas écrire les photos de ce format, elle a donc été laissée telle quelle.</translation>
    </message>
    <message>
        <source>The photos could not be turned: %1</source>
        <translation>Les photos n'ont pas pu pivoter : %1</translation>
    </message>
    <message>
        <source>%1 turned without loss of quality.</source>
        <translation>%1 : rotation sans perte de qualité.</translation>
    </message>
    <message>
        <source>Upright already, left as they were:</source>
        <translation>Déjà droites, laissées telles quelles :</translation>
    </message>
    <message>
        <source>The original photo will be replaced by its optimized version and cannot be brought back (a damaged photo is left as it is).

Replace it?</source>
        <translation>La photo d'origine sera remplacée par sa version optimisée et ne pourra pas être récupérée (une photo endommagée reste telle quelle).

La remplacer ?</translation>
    </message>
    <message>
        <source>The %1 original photos will be replaced by their optimized versions and cannot be brought back. Damaged photos are left as they are.

Replace them?</source>
        <translation>Les %1 photos d'origine seront remplacées par leurs versions optimisées et ne pourront pas être récupérées. Les photos endommagées restent telles quelles.

Les remplacer ?</translation>
    </message>
    <message>
        <source>Export a copy of the shown photo, %1, with your unsaved changes.</source>
        <translation>Exporter une copie de la photo affichée, %1, avec vos modifications non enregistrées.</translation>
    </message>
    <message>
        <source>Export a copy of the shown photo, %1.</source>
        <translation>Exporter une copie de la photo affichée, %1.</translation>
    </message>
    <message>
        <source>Export copies of %1 photos from %2. The shown photo, %3, goes with your unsaved changes.</source>
        <translation>Exporter des copies de %1 photos de %2. La photo affichée, %3, part avec vos modifications non enregistrées.</translation>
    </message>
    <message>
        <source>A few seconds left</source>
        <translation>Encore quelques secondes</translation>
    </message>
    <message>
        <source>About %1 seconds left</source>
        <translation>Encore environ %1 secondes</translation>
    </message>
    <message>
        <source>About %1 minutes left</source>
        <translation>Encore environ %1 minutes</translation>
    </message>
    <message>
        <source>About %1 hours left</source>
        <translation>Encore environ %1 heures</translation>
    </message>
</context>
<context>
    <name>lum::BatchRun</name>
    <message>
        <source>There is not enough memory to start the batch.</source>
        <translation>Il n'y a pas assez de mémoire pour démarrer le lot.</translation>
    </message>
    <message>
        <source>The batch could not start.</source>
        <translation>Le lot n'a pas pu démarrer.</translation>
    </message>
</context>
<context>
    <name>lum::EditPane</name>
    <message>
        <source>Zoom to 10%</source>
        <translation>Zoom à 10 %</translation>
    </message>
    <message>
        <source>Zoom to 25%</source>
        <translation>Zoom à 25 %</translation>
    </message>
    <message>
        <source>Zoom to 33%</source>
        <translation>Zoom à 33 %</translation>
    </message>
    <message>
        <source>Zoom to 50%</source>
        <translation>Zoom à 50 %</translation>
    </message>
    <message>
        <source>Zoom to 66%</source>
        <translation>Zoom à 66 %</translation>
    </message>
    <message>
        <source>Zoom to 75%</source>
        <translation>Zoom à 75 %</translation>
    </message>
    <message>
        <source>Zoom to 100%</source>
        <translation>Zoom à 100 %</translation>
    </message>
    <message>
        <source>Zoom to 125%</source>
        <translation>Zoom à 125 %</translation>
    </message>
    <message>
        <source>Zoom to 150%</source>
        <translation>Zoom à 150 %</translation>
    </message>
    <message>
        <source>Zoom to 200%</source>
        <translation>Zoom à 200 %</translation>
    </message>
    <message>
        <source>Zoom to Fit Width</source>
        <translation>Ajuster à la largeur</translation>
    </message>
    <message>
        <source>Zoom to Fit Height</source>
        <translation>Ajuster à la hauteur</translation>
    </message>
    <message>
        <source>Zoom to Fit Window</source>
        <translation>Ajuster à la fenêtre</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Erreur inattendue</translation>
    </message>
    <message>
        <source>Position %1, %2</source>
        <translation>Position %1, %2</translation>
    </message>
    <message>
        <source>Size %1 x %2</source>
        <translation>Taille %1 x %2</translation>
    </message>
</context>
<context>
    <name>lum::HelpWindow</name>
    <message>
        <source>Lumora Help</source>
        <translation>Aide de Lumora</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Online Manual</source>
        <translation>&amp;Manuel en ligne</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>index.html</source>
        <extracomment>The manual's first page in this language: index.&lt;language&gt;.html, kept with the program.</extracomment>
        <translation>index.fr.html</translation>
    </message>
</context>
<context>
    <name>lum::OverflowRow</name>
    <message>
        <source>More buttons</source>
        <translation>Plus de boutons</translation>
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
        <translation>Zoom (clic gauche : avant, clic droit : arrière)</translation>
    </message>
    <message>
        <source>Paint Toolbar</source>
        <translation>Barre d'outils de dessin</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>First paint colour (left button); click to choose it</source>
        <translation>Première couleur de dessin (bouton gauche) ; cliquez pour la choisir</translation>
    </message>
    <message>
        <source>Second paint colour (right button); click to choose it</source>
        <translation>Seconde couleur de dessin (bouton droit) ; cliquez pour la choisir</translation>
    </message>
    <message>
        <source>The colour under the pipette</source>
        <translation>La couleur sous la pipette</translation>
    </message>
    <message>
        <source>Tool diameter</source>
        <translation>Diamètre de l'outil</translation>
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
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>lum::PhotoFixTools</name>
    <message>
        <source>Free</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Originale</translation>
    </message>
    <message>
        <source>1:1 (square)</source>
        <translation>1:1 (carré)</translation>
    </message>
    <message>
        <source>4:3</source>
        <translation>4:3</translation>
    </message>
    <message>
        <source>3:2</source>
        <translation>3:2</translation>
    </message>
    <message>
        <source>16:9</source>
        <translation>16:9</translation>
    </message>
    <message>
        <source>5:4</source>
        <translation>5:4</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 pixels</translation>
    </message>
    <message>
        <source>Proportions:</source>
        <translation>Proportions :</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Taller than wide (else wider than tall)</source>
        <translation>Plus haute que large (sinon plus large que haute)</translation>
    </message>
    <message>
        <source>Custom proportion: width</source>
        <translation>Proportion personnalisée : largeur</translation>
    </message>
    <message>
        <source>Custom proportion: height</source>
        <translation>Proportion personnalisée : hauteur</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recadrer</translation>
    </message>
    <message>
        <source>Crop to the frame (Enter)</source>
        <translation>Recadrer au cadre (Entrée)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Leave the crop tool (Escape)</source>
        <translation>Quitter l'outil de recadrage (Échap)</translation>
    </message>
    <message>
        <source>Drag along a line that should be level or upright, or give the angle:</source>
        <translation>Tracez le long d'une ligne qui devrait être horizontale ou verticale, ou donnez l'angle :</translation>
    </message>
    <message>
        <source> degrees</source>
        <translation> degrés</translation>
    </message>
    <message>
        <source>Clockwise positive</source>
        <translation>Positif dans le sens des aiguilles d'une montre</translation>
    </message>
    <message>
        <source>Straighten</source>
        <translation>Redresser</translation>
    </message>
    <message>
        <source>Turn the photo and keep its straight part (Enter)</source>
        <translation>Tourner la photo et garder sa partie droite (Entrée)</translation>
    </message>
    <message>
        <source>Leave the tool (Escape)</source>
        <translation>Quitter l'outil (Échap)</translation>
    </message>
    <message>
        <source>Click on a red eye, or drag a rectangle around it. Square:</source>
        <translation>Cliquez sur un œil rouge, ou tracez un rectangle autour. Carré :</translation>
    </message>
    <message>
        <source> pixels on screen</source>
        <translation> pixels à l'écran</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Leave the red-eye tool (Escape)</source>
        <translation>Quitter l'outil yeux rouges (Échap)</translation>
    </message>
</context>
<context>
    <name>lum::SelectionToolbar</name>
    <message>
        <source>Selection Toolbar</source>
        <translation>Barre d'outils de sélection</translation>
    </message>
    <message>
        <source>Ellipse selection</source>
        <translation>Sélection elliptique</translation>
    </message>
    <message>
        <source>Rectangle selection</source>
        <translation>Sélection rectangulaire</translation>
    </message>
    <message>
        <source>No selection tool</source>
        <translation>Aucun outil de sélection</translation>
    </message>
    <message>
        <source>Free-shape selection</source>
        <translation>Sélection à main levée</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Moving the selection leaves the second paint colour behind</source>
        <translation>Déplacer la sélection laisse la seconde couleur de dessin à sa place</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Moving the selection leaves a copy behind</source>
        <translation>Déplacer la sélection laisse une copie à sa place</translation>
    </message>
</context>
<context>
    <name>lum::WindowShell</name>
    <message>
        <source>Tarnel Lumora</source>
        <translation>Tarnel Lumora</translation>
    </message>
    <message>
        <source>There is no photo to save.</source>
        <translation>Il n'y a pas de photo à enregistrer.</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Recording macro: %1 of %2 actions</source>
        <translation>Enregistrement de la macro : %1 actions sur %2</translation>
    </message>
    <message>
        <source>Lumora</source>
        <translation>Lumora</translation>
    </message>
    <message>
        <source>The web page could not be opened: no web browser is set up on this computer.
Its address is %1</source>
        <translation>La page web n'a pas pu être ouverte : aucun navigateur web n'est configuré sur cet ordinateur.
Son adresse est %1</translation>
    </message>
    <message>
        <source>Open Photo</source>
        <translation>Ouvrir une photo</translation>
    </message>
    <message>
        <source>Photo canvas: no photo</source>
        <translation>Zone de la photo : aucune photo</translation>
    </message>
    <message>
        <source>Photo canvas: %1, %2 x %3 pixels</source>
        <translation>Zone de la photo : %1, %2 x %3 pixels</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Reset Image brings back the picture as it was when it was opened, or when it was last turned, given a new size or memorized: those fix it as it is.

Nothing has changed since then. To go back further, use Undo.</source>
        <translation>Réinitialiser l'image rétablit l'image telle qu'elle était à son ouverture, ou lors de sa dernière rotation, de son dernier redimensionnement ou de sa dernière mémorisation : ces opérations la fixent telle quelle.

Rien n'a changé depuis. Pour revenir plus loin, utilisez Annuler.</translation>
    </message>
</context>
<context>
    <name>lum::files</name>
    <message>
        <source>some of its contents could not be removed</source>
        <translation>une partie de son contenu n'a pas pu être supprimée</translation>
    </message>
    <message>
        <source>File System (/)</source>
        <translation>Système de fichiers (/)</translation>
    </message>
    <message>
        <source>Home (%1)</source>
        <translation>Dossier personnel (%1)</translation>
    </message>
    <message>
        <source>This is not a valid drive.</source>
        <translation>Ce n'est pas un lecteur valide.</translation>
    </message>
    <message>
        <source>%1 is not a valid drive.</source>
        <translation>%1 n'est pas un lecteur valide.</translation>
    </message>
    <message>
        <source>There is no disc in the drive %1,
or the drive is not ready.</source>
        <translation>Il n'y a pas de disque dans le lecteur %1,
ou le lecteur n'est pas prêt.</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n'est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>a folder cannot go inside itself</source>
        <translation>un dossier ne peut pas aller dans lui-même</translation>
    </message>
    <message>
        <source>the desktop folder could not be made</source>
        <translation>le dossier du bureau n'a pas pu être créé</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nom : %1</translation>
    </message>
    <message>
        <source>Type: %1</source>
        <translation>Type : %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Emplacement : %1</translation>
    </message>
    <message>
        <source>Link to: %1</source>
        <translation>Lien vers : %1</translation>
    </message>
    <message>
        <source>Size: %1 (%2 bytes)</source>
        <translation>Taille : %1 (%2 octets)</translation>
    </message>
    <message>
        <source>Contains: %1 files, %2 folders%3</source>
        <translation>Contient : %1 fichiers, %2 dossiers%3</translation>
    </message>
    <message>
        <source> (some folders could not be read)</source>
        <translation> (certains dossiers n'ont pas pu être lus)</translation>
    </message>
    <message>
        <source>Modified: %1</source>
        <translation>Modifié : %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Créé : %1</translation>
    </message>
    <message>
        <source>Accessed: %1</source>
        <translation>Dernier accès : %1</translation>
    </message>
    <message>
        <source>Permissions: %1</source>
        <translation>Autorisations : %1</translation>
    </message>
    <message>
        <source>Owner: %1 / %2</source>
        <translation>Propriétaire : %1 / %2</translation>
    </message>
    <message>
        <source>Attributes: %1</source>
        <translation>Attributs : %1</translation>
    </message>
    <message>
        <source>Could not open %1: it is not there any more.</source>
        <translation>Impossible d'ouvrir %1 : il n'existe plus.</translation>
    </message>
    <message>
        <source>Could not open %1: no program is set to open files of this type.</source>
        <translation>Impossible d'ouvrir %1 : aucun programme n'est défini pour ouvrir les fichiers de ce type.</translation>
    </message>
</context>
</TS>