<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Lumora improves your digital photos with one click.

Choose a folder, click a photo and press "Optimize The Photo Now!": Lumora brings the colours towards natural flesh tones, smooths fine noise while keeping the edges, and blends the result with your photo as it was.

Compare the optimized photo with the original side by side, sharpen, soften or lighten it, turn it, zoom, and save it as a JPEG file with the quality you choose.</source>
        <translation>Lumora verbessert Ihre Digitalfotos mit einem Klick.

Wählen Sie einen Ordner, klicken Sie auf ein Foto und drücken Sie „Foto jetzt optimieren!“: Lumora bringt die Farben näher an natürliche Hauttöne, glättet feines Rauschen, ohne die Kanten zu verwischen, und mischt das Ergebnis mit Ihrem Foto, wie es war.

Vergleichen Sie das optimierte Foto nebeneinander mit dem Original, schärfen, glätten oder hellen Sie es auf, drehen und zoomen Sie es und speichern Sie es als JPEG-Datei in der Qualität Ihrer Wahl.</translation>
    </message>
    <message>
        <source>About Tarnel Lumora</source>
        <translation>Über Tarnel Lumora</translation>
    </message>
    <message>
        <source>Thank you very much!</source>
        <translation>Vielen Dank!</translation>
    </message>
    <message>
        <source>Tarnel Lumora version %1</source>
        <translation>Tarnel Lumora Version %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Copyright 2026 The Lumora developers.&lt;br&gt;Lumora is free software: you may share and change it under the terms of the &lt;a href="https://www.gnu.org/licenses/gpl-3.0.html"&gt;GNU General Public License&lt;/a&gt;, version 3 or (at your option) any later version. It comes with no warranty.</source>
        <translation>Copyright 2026 Die Lumora-Entwickler.&lt;br&gt;Lumora ist freie Software: Sie dürfen es unter den Bedingungen der &lt;a href="https://www.gnu.org/licenses/gpl-3.0.html"&gt;GNU General Public License&lt;/a&gt;, Version 3 oder (nach Ihrer Wahl) jeder späteren Version, weitergeben und verändern. Es wird ohne jede Gewährleistung geliefert.</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>About Lumora</source>
        <translation>Über Lumora</translation>
    </message>
</context>
<context>
    <name>BlurDialog</name>
    <message>
        <source>Gaussian Blur</source>
        <translation>Gaußscher Weichzeichner</translation>
    </message>
    <message>
        <source>Radius of the Gaussian blur</source>
        <translation>Radius des gaußschen Weichzeichners</translation>
    </message>
</context>
<context>
    <name>ColourGrid</name>
    <message>
        <source>FB</source>
        <extracomment>Colour grid marks: the foreground, the background, a colour that is both; two letters at most.</extracomment>
        <translation>VH</translation>
    </message>
    <message>
        <source>FG</source>
        <translation>VG</translation>
    </message>
    <message>
        <source>BG</source>
        <translation>HG</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Arrow keys choose the foreground colour; Shift with the arrow keys the background colour</source>
        <translation>Die Pfeiltasten wählen die Vordergrundfarbe, Umschalt mit den Pfeiltasten die Hintergrundfarbe</translation>
    </message>
</context>
<context>
    <name>ColourPanel</name>
    <message>
        <source>Space or Enter chooses the colour</source>
        <translation>Leertaste oder Eingabe wählt die Farbe</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>File information</source>
        <translation>Dateiinformationen</translation>
    </message>
    <message>
        <source>Original Photo</source>
        <translation>Originalfoto</translation>
    </message>
    <message>
        <source>Show the Original Photo in full screen</source>
        <translation>Originalfoto im Vollbild zeigen</translation>
    </message>
    <message>
        <source>Show both photos side by side again</source>
        <translation>Beide Fotos wieder nebeneinander zeigen</translation>
    </message>
    <message>
        <source>Optimized Photo</source>
        <translation>Optimiertes Foto</translation>
    </message>
    <message>
        <source>Save the optimized photo</source>
        <translation>Optimiertes Foto speichern</translation>
    </message>
    <message>
        <source>Reset the optimized photo</source>
        <translation>Optimiertes Foto zurücksetzen</translation>
    </message>
    <message>
        <source>U</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>C</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Colour channel shifts</source>
        <translation>Farbkanäle verschieben</translation>
    </message>
    <message>
        <source>S</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Selection Toolbar</source>
        <translation>Auswahl-Werkzeugleiste</translation>
    </message>
    <message>
        <source>P</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Paint Toolbar</source>
        <translation>Mal-Werkzeugleiste</translation>
    </message>
    <message>
        <source>Show the Optimized Photo in full screen</source>
        <translation>Optimiertes Foto im Vollbild zeigen</translation>
    </message>
    <message>
        <source>Zoom both photos</source>
        <translation>Beide Fotos zoomen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Selection Toolbar</source>
        <translation>&amp;Auswahl-Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Paint Toolbar</source>
        <translation>&amp;Mal-Werkzeugleiste</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Zoom Both Photos</source>
        <translation>&amp;Beide Fotos zoomen</translation>
    </message>
    <message>
        <source>The picture was changed in this window.</source>
        <translation>Das Bild wurde in diesem Fenster geändert.</translation>
    </message>
    <message>
        <source>The optimized photo "%1" was changed in this window.</source>
        <translation>Das optimierte Foto „%1“ wurde in diesem Fenster geändert.</translation>
    </message>
    <message>
        <source>Save the changes to a file, keep them in the main window (where they can be saved or undone later), or discard them?</source>
        <translation>Die Änderungen in einer Datei speichern, im Hauptfenster behalten (wo sie später gespeichert oder rückgängig gemacht werden können) oder verwerfen?</translation>
    </message>
    <message>
        <source>&amp;Save to a File...</source>
        <translation>In einer Datei &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Keep in the Main Window</source>
        <translation>Im &amp;Hauptfenster behalten</translation>
    </message>
    <message>
        <source>&amp;Discard the Changes</source>
        <translation>Änderungen &amp;verwerfen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close the Compare Window</source>
        <translation>Vergleichsfenster schließen</translation>
    </message>
    <message>
        <source>Comparing %1</source>
        <translation>Vergleich: %1</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Show &amp;All Buttons</source>
        <translation>&amp;Alle Schaltflächen zeigen</translation>
    </message>
    <message>
        <source>Photo information</source>
        <translation>Fotoinformationen</translation>
    </message>
    <message>
        <source>Original photo</source>
        <translation>Originalfoto</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <source>Crop the photo (C)</source>
        <translation>Das Foto zuschneiden (C)</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>Straighten a tilted horizon</source>
        <translation>Einen schiefen Horizont gerade richten</translation>
    </message>
    <message>
        <source>Eyes</source>
        <translation>Augen</translation>
    </message>
    <message>
        <source>Take the red out of eyes lit by a flash</source>
        <translation>Rote Augen vom Blitz entfernen</translation>
    </message>
    <message>
        <source>(whole: the panes no longer line up)</source>
        <translation>(ganz: die Ansichten decken sich nicht mehr)</translation>
    </message>
    <message>
        <source>The optimized photo was cropped or turned by an angle since it was loaded. The original is shown whole at the same size, so the two panes no longer show the same places.</source>
        <translation>Das optimierte Foto wurde seit dem Öffnen zugeschnitten oder um einen Winkel gedreht. Das Original wird ganz in derselben Größe gezeigt, daher zeigen die beiden Ansichten nicht mehr dieselben Stellen.</translation>
    </message>
</context>
<context>
    <name>ComposeAskers</name>
    <message>
        <source>Clipboard image</source>
        <translation>Bild aus der Zwischenablage</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Text stamp</source>
        <translation>Textstempel</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>New image</source>
        <translation>Neues Bild</translation>
    </message>
    <message>
        <source>Lighten gradient parameters</source>
        <translation>Einstellungen für den Aufhellverlauf</translation>
    </message>
    <message>
        <source>Gradient to mix into %1 x %2</source>
        <translation>Verlauf zum Einmischen in %1 x %2</translation>
    </message>
</context>
<context>
    <name>FolderCommands</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Could not move %2 into %1: %3.</source>
        <translation>%2 konnte nicht nach %1 verschoben werden: %3.</translation>
    </message>
    <message>
        <source>Some items could not be moved into %1:</source>
        <translation>Einige Elemente konnten nicht nach %1 verschoben werden:</translation>
    </message>
    <message>
        <source>Could not copy %2 into %1: %3.</source>
        <translation>%2 konnte nicht nach %1 kopiert werden: %3.</translation>
    </message>
    <message>
        <source>Some items could not be copied into %1:</source>
        <translation>Einige Elemente konnten nicht nach %1 kopiert werden:</translation>
    </message>
    <message>
        <source>%1 is already in this folder: nothing was moved.</source>
        <translation>%1 ist bereits in diesem Ordner: nichts wurde verschoben.</translation>
    </message>
    <message>
        <source>These files are already in this folder: nothing was moved.</source>
        <translation>Diese Dateien sind bereits in diesem Ordner: nichts wurde verschoben.</translation>
    </message>
</context>
<context>
    <name>FolderTree</name>
    <message>
        <source>Select the folder that holds the photos you want to optimize.</source>
        <translation>Wählen Sie den Ordner mit den Fotos, die Sie optimieren möchten.</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Neuer Ordner</translation>
    </message>
    <message>
        <source>&amp;Rename Folder</source>
        <translation>Ordner &amp;umbenennen</translation>
    </message>
    <message>
        <source>&amp;Delete Folder</source>
        <translation>Ordner &amp;löschen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Auss&amp;chneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Tree &amp;Size</source>
        <translation>&amp;Größe des Ordnerbaums</translation>
    </message>
    <message>
        <source>&amp;Folder Contents</source>
        <translation>Ordner&amp;inhalt</translation>
    </message>
    <message>
        <source>&amp;Map Network Drive</source>
        <translation>Netzlaufwerk &amp;verbinden</translation>
    </message>
    <message>
        <source>Disconnect Net&amp;work Drive</source>
        <translation>Netzlaufwerk &amp;trennen</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Laufwerke</translation>
    </message>
    <message>
        <source>%1 is not there any more.</source>
        <translation>%1 ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>Folders cannot be added among the drives: choose a drive or a folder.</source>
        <translation>Zwischen den Laufwerken können keine Ordner angelegt werden: Wählen Sie ein Laufwerk oder einen Ordner.</translation>
    </message>
    <message>
        <source>A folder name cannot contain any of these characters: %1</source>
        <translation>Ein Ordnername darf keines dieser Zeichen enthalten: %1</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>Folder name:</source>
        <translation>Ordnername:</translation>
    </message>
    <message>
        <source>A name cannot be empty.</source>
        <translation>Ein Name darf nicht leer sein.</translation>
    </message>
    <message>
        <source>%1 cannot be used as a name.</source>
        <translation>%1 kann nicht als Name verwendet werden.</translation>
    </message>
    <message>
        <source>A folder named %1 already exists.</source>
        <translation>Ein Ordner namens %1 ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>Could not make the folder %1: %2.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>Rename Folder</source>
        <translation>Ordner umbenennen</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Neuer Name:</translation>
    </message>
    <message>
        <source>Drives cannot be renamed here.</source>
        <translation>Laufwerke können hier nicht umbenannt werden.</translation>
    </message>
    <message>
        <source>A file named %1 already exists.</source>
        <translation>Eine Datei namens %1 ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>Do you want to rename the folder %1 to %2?</source>
        <translation>Möchten Sie den Ordner %1 in %2 umbenennen?</translation>
    </message>
    <message>
        <source>Could not rename %1: %2.</source>
        <translation>%1 konnte nicht umbenannt werden: %2.</translation>
    </message>
    <message>
        <source>Drives cannot be deleted here.</source>
        <translation>Laufwerke können hier nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Do you want to move the folder
%1
and all its contents to the Trash?</source>
        <translation>Möchten Sie den Ordner
%1
mit seinem gesamten Inhalt in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>Delete Folder</source>
        <translation>Ordner löschen</translation>
    </message>
    <message>
        <source>Could not move %1 to the Trash: %2.</source>
        <translation>%1 konnte nicht in den Papierkorb verschoben werden: %2.</translation>
    </message>
    <message>
        <source>No folder is chosen.</source>
        <translation>Es ist kein Ordner gewählt.</translation>
    </message>
    <message>
        <source>There is nothing to paste: cut or copy files first.</source>
        <translation>Es gibt nichts einzufügen: Schneiden Sie zuerst Dateien aus oder kopieren Sie sie.</translation>
    </message>
    <message>
        <source>Network drives are connected through the desktop's file manager on this system (for example its "Connect to Server" or "Other Locations" page). Once mounted, they appear under "Drives".</source>
        <translation>Netzlaufwerke werden auf diesem System über den Dateimanager der Arbeitsumgebung verbunden (zum Beispiel über „Mit Server verbinden“ oder „Andere Orte“). Eingehängt erscheinen sie unter „Laufwerke“.</translation>
    </message>
    <message>
        <source>Network drives are disconnected through the desktop's file manager on this system (the eject or unmount button beside the network place).</source>
        <translation>Netzlaufwerke werden auf diesem System über den Dateimanager der Arbeitsumgebung getrennt (mit der Schaltfläche zum Auswerfen oder Aushängen neben dem Netzwerkort).</translation>
    </message>
    <message>
        <source>=== TREE SIZE ===</source>
        <translation>=== GRÖSSE DES ORDNERBAUMS ===</translation>
    </message>
    <message>
        <source>%1: %2 used of %3</source>
        <translation>%1: %2 von %3 belegt</translation>
    </message>
    <message>
        <source>%1: not ready</source>
        <translation>%1: nicht bereit</translation>
    </message>
    <message>
        <source>%1

Size: %2 (%3 bytes)
Files: %4
Folders: %5</source>
        <translation>%1

Größe: %2 (%3 Byte)
Dateien: %4
Ordner: %5</translation>
    </message>
    <message>
        <source>Some folders could not be read; the size counts only what could.</source>
        <translation>Einige Ordner konnten nicht gelesen werden; die Größe zählt nur, was gelesen werden konnte.</translation>
    </message>
    <message>
        <source>Tree Size</source>
        <translation>Größe des Ordnerbaums</translation>
    </message>
    <message>
        <source>Folder Contents</source>
        <translation>Ordnerinhalt</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read: %2.</source>
        <translation>Der Ordner %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>%1
Folders: %2, files: %3, %4</source>
        <translation>%1
Ordner: %2, Dateien: %3, %4</translation>
    </message>
</context>
<context>
    <name>GradientDialog</name>
    <message>
        <source>Gradient parameters</source>
        <translation>Verlaufseinstellungen</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>Standard sizes</source>
        <translation>Standardgrößen</translation>
    </message>
    <message>
        <source>Colour 1</source>
        <translation>Farbe 1</translation>
    </message>
    <message>
        <source>Colour 2</source>
        <translation>Farbe 2</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Click to choose the colour</source>
        <translation>Klicken, um die Farbe zu wählen</translation>
    </message>
    <message>
        <source>Swap colour 1 and colour 2</source>
        <translation>Farbe 1 und Farbe 2 tauschen</translation>
    </message>
    <message>
        <source>Background in colour 2</source>
        <translation>Hintergrund in Farbe 2</translation>
    </message>
    <message>
        <source>Gradient style</source>
        <translation>Art des Verlaufs</translation>
    </message>
    <message>
        <source>No gradient</source>
        <translation>Kein Verlauf</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Senkrecht</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Waagerecht</translation>
    </message>
    <message>
        <source>Centred small</source>
        <translation>Zentriert klein</translation>
    </message>
    <message>
        <source>Centred large</source>
        <translation>Zentriert groß</translation>
    </message>
    <message>
        <source>Constant gradient</source>
        <translation>Gleichmäßiger Verlauf</translation>
    </message>
    <message>
        <source>Click in the picture to place the centre of the gradient</source>
        <translation>Klicken Sie ins Bild, um die Mitte des Verlaufs zu setzen</translation>
    </message>
    <message>
        <source>Centre of the gradient</source>
        <translation>Mitte des Verlaufs</translation>
    </message>
    <message>
        <source>The arrow keys move the centre, with Shift one pixel at a time; Home puts it back in the middle</source>
        <translation>Die Pfeiltasten verschieben die Mitte, mit Umschalt pixelweise; Pos1 setzt sie zurück in die Mitte</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Select the folder that holds the photos you want to optimize.</source>
        <translation>Wählen Sie den Ordner mit den Fotos, die Sie optimieren möchten.</translation>
    </message>
    <message>
        <source>Select a photo to optimize.</source>
        <translation>Wählen Sie ein Foto zum Optimieren.</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Verarbeitung</translation>
    </message>
    <message>
        <source>File information</source>
        <translation>Dateiinformationen</translation>
    </message>
    <message>
        <source>Welcome to Lumora!</source>
        <translation>Willkommen bei Lumora!</translation>
    </message>
    <message>
        <source>Visit the Tarnel Lumora web site for news and more information</source>
        <translation>Besuchen Sie die Website von Tarnel Lumora für Neuigkeiten und weitere Informationen</translation>
    </message>
    <message>
        <source>Tarnel Lumora</source>
        <translation>Tarnel Lumora</translation>
    </message>
    <message>
        <source>Show the original photo in a small floating window</source>
        <translation>Das Originalfoto in einem kleinen schwebenden Fenster zeigen</translation>
    </message>
    <message>
        <source>Zoom the photo to the size you like to see it at</source>
        <translation>Das Foto in der gewünschten Größe anzeigen</translation>
    </message>
    <message>
        <source>The size the photo is shown at</source>
        <translation>Die Größe, in der das Foto angezeigt wird</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Undo / Reload the photo</source>
        <translation>Rückgängig / Foto neu laden</translation>
    </message>
    <message>
        <source>Compare the Optimized Photo with the Original Photo</source>
        <translation>Das optimierte Foto mit dem Originalfoto vergleichen</translation>
    </message>
    <message>
        <source>Save / Save As the Photo</source>
        <translation>Foto speichern / speichern unter</translation>
    </message>
    <message>
        <source>Version information</source>
        <translation>Versionsinformationen</translation>
    </message>
    <message>
        <source>Tarnel Home</source>
        <translation>Tarnel-Startseite</translation>
    </message>
    <message>
        <source>Visit the Tarnel Lumora home page for more information</source>
        <translation>Die Startseite von Tarnel Lumora für weitere Informationen besuchen</translation>
    </message>
    <message>
        <source>Original Photo</source>
        <translation>Originalfoto</translation>
    </message>
    <message>
        <source>Processing Progress</source>
        <translation>Fortschritt der Verarbeitung</translation>
    </message>
    <message>
        <source>Optimizing...</source>
        <translation>Wird optimiert...</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Unerwarteter Fehler</translation>
    </message>
    <message>
        <source>Width: %1  Height: %2</source>
        <translation>Breite: %1  Höhe: %2</translation>
    </message>
    <message>
        <source>Modified: %1</source>
        <translation>Geändert: %1</translation>
    </message>
    <message>
        <source>Help: how to use Lumora</source>
        <translation>Hilfe: So verwenden Sie Lumora</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Save the new picture before closing Lumora?</source>
        <translation>Das neue Bild vor dem Beenden von Lumora speichern?</translation>
    </message>
    <message>
        <source>Save the new picture before opening %1?</source>
        <translation>Das neue Bild vor dem Öffnen von %1 speichern?</translation>
    </message>
    <message>
        <source>Save the optimized photo %1 before closing Lumora?</source>
        <translation>Das optimierte Foto %1 vor dem Beenden von Lumora speichern?</translation>
    </message>
    <message>
        <source>Save the optimized photo %1 before opening %2?</source>
        <translation>Das optimierte Foto %1 vor dem Öffnen von %2 speichern?</translation>
    </message>
    <message>
        <source>Save the changes to %1 before closing Lumora?</source>
        <translation>Die Änderungen an %1 vor dem Beenden von Lumora speichern?</translation>
    </message>
    <message>
        <source>Save the changes to %1 before opening %2?</source>
        <translation>Die Änderungen an %1 vor dem Öffnen von %2 speichern?</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>Optimi&amp;ze Selected Photos...</source>
        <translation>Ausgewählte Fotos opti&amp;mieren...</translation>
    </message>
    <message>
        <source>Optimi&amp;ze All Photos in This Folder...</source>
        <translation>Alle Fotos in diesem Ordner opti&amp;mieren...</translation>
    </message>
    <message>
        <source>Select one or more photos in the photo list first (Ctrl or Shift and a click add photos, Ctrl+A selects all).</source>
        <translation>Wählen Sie zuerst ein oder mehrere Fotos in der Fotoliste aus (Strg oder Umschalt und ein Klick fügen Fotos hinzu, Strg+A wählt alle aus).</translation>
    </message>
    <message>
        <source>There are no photos in %1.</source>
        <translation>In %1 gibt es keine Fotos.</translation>
    </message>
    <message>
        <source>Photos are being optimized already. Another batch can start once this one is done.</source>
        <translation>Es werden bereits Fotos optimiert. Ein weiterer Stapel kann starten, sobald dieser fertig ist.</translation>
    </message>
    <message>
        <source>One click, brighter photos</source>
        <translation>Ein Klick, hellere Fotos</translation>
    </message>
    <message>
        <source>pick a photo, optimize, compare, save</source>
        <translation>Foto wählen, optimieren, vergleichen, speichern</translation>
    </message>
    <message>
        <source>Export &amp;Copies...</source>
        <translation>Kopien e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Open a photo, or select photos in the photo list, first.</source>
        <translation>Öffnen Sie zuerst ein Foto oder wählen Sie Fotos in der Fotoliste aus.</translation>
    </message>
    <message>
        <source>Copies are being exported already. Another export can start once this one is done.</source>
        <translation>Es werden bereits Kopien exportiert. Ein weiterer Export kann beginnen, sobald dieser fertig ist.</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>Dr&amp;ucken...</translation>
    </message>
    <message>
        <source>These photos could not be read and are left out:
%1</source>
        <translation>Diese Fotos konnten nicht gelesen werden und werden ausgelassen:
%1</translation>
    </message>
    <message>
        <source>Print Photos</source>
        <translation>Fotos drucken</translation>
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
        <translation>Seite ausfüllen</translation>
    </message>
    <message>
        <source>1 photo per page</source>
        <translation>1 Foto pro Seite</translation>
    </message>
    <message>
        <source>%1 photos per page</source>
        <translation>%1 Fotos pro Seite</translation>
    </message>
    <message>
        <source>&amp;Fill and crop</source>
        <translation>&amp;Füllen und zuschneiden</translation>
    </message>
    <message>
        <source>Fill the whole place and cut off what goes beyond it, centred; otherwise the whole photo is printed</source>
        <translation>Den ganzen Platz füllen und abschneiden, was darüber hinausgeht, mittig; sonst wird das ganze Foto gedruckt</translation>
    </message>
    <message>
        <source>Photo &amp;size:</source>
        <translation>Foto&amp;größe:</translation>
    </message>
    <message>
        <source>Rotate &amp;Left</source>
        <translation>Nach &amp;links drehen</translation>
    </message>
    <message>
        <source>Rotate Ri&amp;ght</source>
        <translation>Nach &amp;rechts drehen</translation>
    </message>
    <message>
        <source>Rotate &amp;180°</source>
        <translation>Um &amp;180° drehen</translation>
    </message>
    <message>
        <source>&amp;Mirror</source>
        <translation>&amp;Spiegeln</translation>
    </message>
    <message>
        <source>&amp;Flip</source>
        <translation>Ki&amp;ppen</translation>
    </message>
    <message>
        <source>Str&amp;aighten by Camera Orientation</source>
        <translation>Nach Kameraausrichtung au&amp;frichten</translation>
    </message>
    <message>
        <source>%1 is not a photo Lumora can read.</source>
        <translation>%1 ist kein Foto, das Lumora lesen kann.</translation>
    </message>
    <message>
        <source>Lumora cannot write %1 photos, so it cannot turn them; only JPEG and BMP photos can be turned.</source>
        <translation>Lumora kann keine %1-Fotos schreiben und sie daher nicht drehen; nur JPEG- und BMP-Fotos lassen sich drehen.</translation>
    </message>
    <message>
        <source>Select one or more photos in the photo list first.</source>
        <translation>Wählen Sie zuerst ein oder mehrere Fotos in der Fotoliste aus.</translation>
    </message>
    <message>
        <source>JPEG photos are turned without loss of quality</source>
        <translation>JPEG-Fotos werden ohne Qualitätsverlust gedreht</translation>
    </message>
    <message>
        <source>Photos are being processed already. Another batch can start once this one is done.</source>
        <translation>Es werden bereits Fotos bearbeitet. Ein weiterer Stapel kann beginnen, sobald dieser fertig ist.</translation>
    </message>
    <message>
        <source>Crop the photo</source>
        <translation>Das Foto zuschneiden</translation>
    </message>
    <message>
        <source>Straighten a tilted horizon</source>
        <translation>Einen schiefen Horizont gerade richten</translation>
    </message>
    <message>
        <source>Take the red out of eyes lit by a flash</source>
        <translation>Rote Augen vom Blitz entfernen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Thumbnails</source>
        <translation>&amp;Vorschaubilder</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Details</translation>
    </message>
    <message>
        <source>&amp;Large Thumbnails</source>
        <translation>&amp;Große Vorschaubilder</translation>
    </message>
    <message>
        <source>Show the photos as a list of details (Ctrl+2)</source>
        <translation>Die Fotos als Liste mit Details zeigen (Strg+2)</translation>
    </message>
    <message>
        <source>Show the photos as thumbnails (Ctrl+1)</source>
        <translation>Die Fotos als Vorschaubilder zeigen (Strg+1)</translation>
    </message>
    <message>
        <source>The new picture is no longer shown, so there is nothing to export.</source>
        <translation>Das neue Bild wird nicht mehr angezeigt, es gibt also nichts zu exportieren.</translation>
    </message>
</context>
<context>
    <name>MixDialog</name>
    <message>
        <source>Image mix</source>
        <translation>Bild einmischen</translation>
    </message>
    <message>
        <source>Percentage of the picture to mix in</source>
        <translation>Anteil des einzumischenden Bildes in Prozent</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopie</translation>
    </message>
    <message>
        <source>Masked copy</source>
        <translation>Maskierte Kopie</translation>
    </message>
    <message>
        <source>Smoothed edges</source>
        <translation>Weiche Ränder</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>Kacheln</translation>
    </message>
    <message>
        <source>Placing in the photo</source>
        <translation>Platzierung im Foto</translation>
    </message>
    <message>
        <source>Resizing</source>
        <translation>Größenanpassung</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Fit to the photo</source>
        <translation>An das Foto anpassen</translation>
    </message>
    <message>
        <source>Width or height</source>
        <translation>Breite oder Höhe</translation>
    </message>
    <message>
        <source>Stretched over the whole photo</source>
        <translation>Über das ganze Foto gestreckt</translation>
    </message>
    <message>
        <source>As large as the photo allows, keeping its proportions</source>
        <translation>So groß, wie das Foto es erlaubt, mit gleichen Proportionen</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>No mirror</source>
        <translation>Nicht spiegeln</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Waagerecht</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Senkrecht</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Versatz</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Maske</translation>
    </message>
    <message>
        <source>The mask colour: pixels of the picture in this colour are left out</source>
        <translation>Die Maskenfarbe: Pixel des Bildes in dieser Farbe werden ausgelassen</translation>
    </message>
    <message>
        <source>R = %1</source>
        <translation>R = %1</translation>
    </message>
    <message>
        <source>G = %1</source>
        <translation>G = %1</translation>
    </message>
    <message>
        <source>B = %1</source>
        <translation>B = %1</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Toleranz</translation>
    </message>
    <message>
        <source>Click in</source>
        <translation>Klicken Sie</translation>
    </message>
    <message>
        <source>the picture</source>
        <translation>ins Bild</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Weichzeichnen</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>%1 (%2 x %3)</source>
        <translation>%1 (%2 x %3)</translation>
    </message>
    <message>
        <source>tiled over the photo (%1 x %2)</source>
        <translation>über das Foto gekachelt (%1 x %2)</translation>
    </message>
    <message>
        <source>placed as %1 x %2 in the photo (%3 x %4)</source>
        <translation>als %1 x %2 ins Foto gesetzt (%3 x %4)</translation>
    </message>
</context>
<context>
    <name>NewSizeDialog</name>
    <message>
        <source>New size</source>
        <translation>Neue Größe</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Width %1 pixels</source>
        <translation>Breite %1 Pixel</translation>
    </message>
    <message>
        <source>Height %1 pixels</source>
        <translation>Höhe %1 Pixel</translation>
    </message>
    <message>
        <source>Keep width / height ratio</source>
        <translation>Seitenverhältnis beibehalten</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Original size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>A photo of %1 x %2 pixels cannot keep its ratio within the sizes this dialog allows (%3 to %4 pixels wide, %3 to %5 pixels high).</source>
        <translation>Ein Foto mit %1 x %2 Pixeln kann sein Seitenverhältnis in den Größen, die dieser Dialog erlaubt, nicht behalten (%3 bis %4 Pixel breit, %3 bis %5 Pixel hoch).</translation>
    </message>
    <message>
        <source>With the photo's ratio, a width of %1 pixels needs a height of %2 pixels, but the height must be from %3 to %4 pixels. Choose another width, or untick "Keep width / height ratio".</source>
        <translation>Beim Seitenverhältnis des Fotos braucht eine Breite von %1 Pixeln eine Höhe von %2 Pixeln, die Höhe muss aber zwischen %3 und %4 Pixeln liegen. Wählen Sie eine andere Breite oder deaktivieren Sie „Seitenverhältnis beibehalten“.</translation>
    </message>
    <message>
        <source>With the photo's ratio, a height of %1 pixels needs a width of %2 pixels, but the width must be from %3 to %4 pixels. Choose another height, or untick "Keep width / height ratio".</source>
        <translation>Beim Seitenverhältnis des Fotos braucht eine Höhe von %1 Pixeln eine Breite von %2 Pixeln, die Breite muss aber zwischen %3 und %4 Pixeln liegen. Wählen Sie eine andere Höhe oder deaktivieren Sie „Seitenverhältnis beibehalten“.</translation>
    </message>
    <message>
        <source>This photo is %1 x %2 pixels; a new size can be at most %3 x %4 pixels. The largest size with the photo's proportions is proposed. OK without a change keeps the photo as it is.</source>
        <translation>Dieses Foto hat %1 x %2 Pixel; eine neue Größe darf höchstens %3 x %4 Pixel haben. Vorgeschlagen wird die größte Größe mit den Proportionen des Fotos. OK ohne Änderung lässt das Foto, wie es ist.</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Operation</name>
    <message>
        <source>Compare Window Edits</source>
        <translation>Bearbeitungen im Vergleichsfenster</translation>
    </message>
    <message>
        <source>New Image</source>
        <translation>Neues Bild</translation>
    </message>
    <message>
        <source>Lighten Gradient</source>
        <translation>Aufhellverlauf</translation>
    </message>
    <message>
        <source>Mix</source>
        <translation>Einmischen</translation>
    </message>
    <message>
        <source>Mix Gradient</source>
        <translation>Verlauf einmischen</translation>
    </message>
    <message>
        <source>Mix Image</source>
        <translation>Bild einmischen</translation>
    </message>
    <message>
        <source>Mix Clipboard Image</source>
        <translation>Bild aus der Zwischenablage einmischen</translation>
    </message>
    <message>
        <source>Paste into Image</source>
        <translation>In das Bild einfügen</translation>
    </message>
    <message>
        <source>Paste as New Image</source>
        <translation>Als neues Bild einfügen</translation>
    </message>
    <message>
        <source>Text Stamp</source>
        <translation>Textstempel</translation>
    </message>
    <message>
        <source>Reset Image</source>
        <translation>Bild zurücksetzen</translation>
    </message>
    <message>
        <source>Optimize</source>
        <translation>Optimieren</translation>
    </message>
    <message>
        <source>Landscape Balance</source>
        <translation>Landschafts-Farbausgleich</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Aufhellen</translation>
    </message>
    <message>
        <source>Sharpen</source>
        <translation>Schärfen</translation>
    </message>
    <message>
        <source>Sharpen More</source>
        <translation>Stärker schärfen</translation>
    </message>
    <message>
        <source>Soften</source>
        <translation>Weichzeichnen</translation>
    </message>
    <message>
        <source>Auto Smooth</source>
        <translation>Automatisch glätten</translation>
    </message>
    <message>
        <source>Gaussian Blur</source>
        <translation>Gaußscher Weichzeichner</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Waagerecht spiegeln</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Senkrecht spiegeln</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>New Size</source>
        <translation>Neue Größe</translation>
    </message>
    <message>
        <source>Brush Stroke</source>
        <translation>Pinselstrich</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Radieren</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Pen Stroke</source>
        <translation>Stiftstrich</translation>
    </message>
    <message>
        <source>Flesh Colour Balance</source>
        <translation>Hautfarben-Balance</translation>
    </message>
    <message>
        <source>Colour Shift</source>
        <translation>Farbverschiebung</translation>
    </message>
    <message>
        <source>Grey Scale</source>
        <translation>Graustufen</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <source>Straighten</source>
        <translation>Gerade richten</translation>
    </message>
    <message>
        <source>Red-Eye Removal</source>
        <translation>Rote-Augen-Korrektur</translation>
    </message>
    <message>
        <source>Optimizing...</source>
        <translation>Wird optimiert...</translation>
    </message>
    <message>
        <source>Turning...</source>
        <translation>Wird gedreht...</translation>
    </message>
    <message>
        <source>Cropping...</source>
        <translation>Wird zugeschnitten...</translation>
    </message>
    <message>
        <source>Straightening...</source>
        <translation>Wird begradigt...</translation>
    </message>
</context>
<context>
    <name>Operations</name>
    <message>
        <source>&amp;New Image...</source>
        <translation>&amp;Neues Bild...</translation>
    </message>
    <message>
        <source>&amp;Lighten Gradient...</source>
        <translation>&amp;Aufhellverlauf...</translation>
    </message>
    <message>
        <source>&amp;Gradient...</source>
        <translation>&amp;Verlauf...</translation>
    </message>
    <message>
        <source>&amp;Image...</source>
        <translation>&amp;Bild...</translation>
    </message>
    <message>
        <source>&amp;Clipboard Image...</source>
        <translation>Bild aus der &amp;Zwischenablage...</translation>
    </message>
    <message>
        <source>&amp;Paste into the Current Image...</source>
        <translation>In das aktuelle Bild &amp;einfügen...</translation>
    </message>
    <message>
        <source>Paste as &amp;New Image</source>
        <translation>Als &amp;neues Bild einfügen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Text Stamp...</source>
        <translation>&amp;Textstempel...</translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation>Stempeln</translation>
    </message>
    <message>
        <source>Text stamp</source>
        <translation>Textstempel</translation>
    </message>
    <message>
        <source>Optimize The Photo Now!</source>
        <translation>Foto jetzt optimieren!</translation>
    </message>
    <message>
        <source>Automatic colour balance of the optimized photo</source>
        <translation>Automatischer Farbausgleich des optimierten Fotos</translation>
    </message>
    <message>
        <source>Optimize</source>
        <translation>Optimieren</translation>
    </message>
    <message>
        <source>&amp;Flesh Colour Balance</source>
        <translation>&amp;Hautton-Farbausgleich</translation>
    </message>
    <message>
        <source>&amp;Landscape Colour Balance</source>
        <translation>&amp;Landschafts-Farbausgleich</translation>
    </message>
    <message>
        <source>Red to Green by 10%</source>
        <translation>Rot zu Grün um 10 %</translation>
    </message>
    <message>
        <source>Red to Blue by 10%</source>
        <translation>Rot zu Blau um 10 %</translation>
    </message>
    <message>
        <source>Green to Red by 10%</source>
        <translation>Grün zu Rot um 10 %</translation>
    </message>
    <message>
        <source>Green to Blue by 10%</source>
        <translation>Grün zu Blau um 10 %</translation>
    </message>
    <message>
        <source>Blue to Red by 10%</source>
        <translation>Blau zu Rot um 10 %</translation>
    </message>
    <message>
        <source>Blue to Green by 10%</source>
        <translation>Blau zu Grün um 10 %</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Aufhellen</translation>
    </message>
    <message>
        <source>Grey &amp;Scale</source>
        <translation>&amp;Graustufen</translation>
    </message>
    <message>
        <source>Sharpen</source>
        <translation>Schärfen</translation>
    </message>
    <message>
        <source>Sharpen +</source>
        <translation>Schärfen +</translation>
    </message>
    <message>
        <source>Soften</source>
        <translation>Weichzeichnen</translation>
    </message>
    <message>
        <source>&amp;Auto Smooth</source>
        <translation>&amp;Automatisch glätten</translation>
    </message>
    <message>
        <source>&amp;Gaussian Blur...</source>
        <translation>&amp;Gaußscher Weichzeichner...</translation>
    </message>
    <message>
        <source>Rotate to the Right (90 degrees)</source>
        <translation>Nach rechts drehen (90 Grad)</translation>
    </message>
    <message>
        <source>90</source>
        <translation>90</translation>
    </message>
    <message>
        <source>Rotate to the Left (270 degrees)</source>
        <translation>Nach links drehen (270 Grad)</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Waagerecht spiegeln</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Senkrecht spiegeln</translation>
    </message>
    <message>
        <source>Rotate by Angle...</source>
        <translation>Um einen Winkel drehen...</translation>
    </message>
    <message>
        <source>&amp;New Size...</source>
        <translation>&amp;Neue Größe...</translation>
    </message>
    <message>
        <source>&amp;Erase</source>
        <translation>&amp;Ausradieren</translation>
    </message>
    <message>
        <source>&amp;Execute</source>
        <translation>&amp;Ausführen</translation>
    </message>
    <message>
        <source>&amp;Optimize the Photo</source>
        <translation>Foto &amp;optimieren</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Rotate &amp;Right</source>
        <translation>Nach &amp;rechts drehen</translation>
    </message>
    <message>
        <source>Rotate &amp;Left</source>
        <translation>Nach &amp;links drehen</translation>
    </message>
    <message>
        <source>Mirror H</source>
        <translation>Spiegeln W</translation>
    </message>
    <message>
        <source>Mirror &amp;Horizontally</source>
        <translation>&amp;Waagerecht spiegeln</translation>
    </message>
    <message>
        <source>Mirror V</source>
        <translation>Spiegeln S</translation>
    </message>
    <message>
        <source>Mirror &amp;Vertically</source>
        <translation>&amp;Senkrecht spiegeln</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Rotate by an angle</source>
        <translation>Um einen Winkel drehen</translation>
    </message>
    <message>
        <source>Rotate by &amp;Angle...</source>
        <translation>&amp;Um einen Winkel drehen...</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Saving JPEG photos</source>
        <translation>JPEG-Fotos speichern</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <source>(100 = best quality, least compression)</source>
        <translation>(100 = beste Qualität, geringste Kompression)</translation>
    </message>
    <message>
        <source>Progressive display</source>
        <translation>Progressive Anzeige</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Files and folders</source>
        <translation>Dateien und Ordner</translation>
    </message>
    <message>
        <source>Open the next file automatically</source>
        <translation>Nächste Datei automatisch öffnen</translation>
    </message>
    <message>
        <source>Remember the last working folder</source>
        <translation>Letzten Arbeitsordner merken</translation>
    </message>
    <message>
        <source>Colour balance</source>
        <translation>Farbausgleich</translation>
    </message>
    <message>
        <source>Balance button</source>
        <translation>Schaltfläche für den Ausgleich</translation>
    </message>
    <message>
        <source>Flesh colour</source>
        <translation>Hautton</translation>
    </message>
    <message>
        <source>Landscape colour</source>
        <translation>Landschaftsfarben</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Reset to standard settings</source>
        <translation>Auf Standardeinstellungen zurücksetzen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>PhotoFiles</name>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
</context>
<context>
    <name>PhotoList</name>
    <message>
        <source> ^ Parent</source>
        <translation> ^ Übergeordneter Ordner</translation>
    </message>
    <message>
        <source>Nothing is selected.</source>
        <translation>Es ist nichts ausgewählt.</translation>
    </message>
    <message>
        <source>No file is selected.</source>
        <translation>Es ist keine Datei ausgewählt.</translation>
    </message>
    <message>
        <source>Files cannot be put among the drives: open a folder first.</source>
        <translation>Zwischen den Laufwerken können keine Dateien abgelegt werden: Öffnen Sie zuerst einen Ordner.</translation>
    </message>
    <message>
        <source>Send to a folder</source>
        <translation>An einen Ordner senden</translation>
    </message>
    <message>
        <source>%1 is too large to put on the clipboard (more than %2 MB).</source>
        <translation>%1 ist zu groß für die Zwischenablage (mehr als %2 MB).</translation>
    </message>
    <message>
        <source>Could not read %1: %2.</source>
        <translation>%1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Could not put a link to %1 on the desktop: %2.</source>
        <translation>Für %1 konnte keine Verknüpfung auf dem Schreibtisch angelegt werden: %2.</translation>
    </message>
    <message>
        <source>Some links could not be put on the desktop:</source>
        <translation>Einige Verknüpfungen konnten nicht auf dem Schreibtisch angelegt werden:</translation>
    </message>
    <message>
        <source>There is nothing to paste: cut or copy files first.</source>
        <translation>Es gibt nichts einzufügen: Schneiden Sie zuerst Dateien aus oder kopieren Sie sie.</translation>
    </message>
    <message>
        <source>%1 is read-only: it cannot be renamed.</source>
        <translation>%1 ist schreibgeschützt: Es kann nicht umbenannt werden.</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Neuer Name:</translation>
    </message>
    <message>
        <source>%1 is no longer there.</source>
        <translation>%1 ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>A name cannot be empty.</source>
        <translation>Ein Name darf nicht leer sein.</translation>
    </message>
    <message>
        <source>A name cannot contain a slash (/).</source>
        <translation>Ein Name darf keinen Schrägstrich (/) enthalten.</translation>
    </message>
    <message>
        <source>%1 cannot be used as a name.</source>
        <translation>%1 kann nicht als Name verwendet werden.</translation>
    </message>
    <message>
        <source>A folder named %1 already exists.</source>
        <translation>Ein Ordner namens %1 ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>A file named %1 already exists.</source>
        <translation>Eine Datei namens %1 ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>names starting with a dot are hidden</source>
        <translation>Namen, die mit einem Punkt beginnen, sind verborgen</translation>
    </message>
    <message>
        <source>the list shows only %1</source>
        <translation>die Liste zeigt nur %1</translation>
    </message>
    <message>
        <source>%1 would no longer be listed here (%2). Rename it anyway?</source>
        <translation>%1 würde hier nicht mehr angezeigt (%2). Trotzdem umbenennen?</translation>
    </message>
    <message>
        <source>Could not rename %1: %2.</source>
        <translation>%1 konnte nicht umbenannt werden: %2.</translation>
    </message>
    <message>
        <source>Do you want to move %1 to the Trash?</source>
        <translation>Möchten Sie %1 in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>Do you want to move these %1 items to the Trash?</source>
        <translation>Möchten Sie diese %1 Objekte in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>In den Papierkorb verschieben</translation>
    </message>
    <message>
        <source>Could not move %1 to the Trash: %2.</source>
        <translation>%1 konnte nicht in den Papierkorb verschoben werden: %2.</translation>
    </message>
    <message>
        <source>Some items could not be moved to the Trash:</source>
        <translation>Einige Objekte konnten nicht in den Papierkorb verschoben werden:</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>Folder name:</source>
        <translation>Ordnername:</translation>
    </message>
    <message>
        <source>Could not make the folder %1: %2.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>not a usable name</source>
        <translation>kein verwendbarer Name</translation>
    </message>
    <message>
        <source>A folder name cannot contain any of these characters: %1</source>
        <translation>Ein Ordnername darf keines dieser Zeichen enthalten: %1</translation>
    </message>
    <message>
        <source>Select a photo to optimize.</source>
        <translation>Wählen Sie ein Foto zum Optimieren.</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Send To</source>
        <translation>Sen&amp;den an</translation>
    </message>
    <message>
        <source>Any Folder...</source>
        <translation>Beliebiger Ordner...</translation>
    </message>
    <message>
        <source>Clipboard as Contents</source>
        <translation>Zwischenablage als Inhalt</translation>
    </message>
    <message>
        <source>Clipboard as File Name</source>
        <translation>Zwischenablage als Dateiname</translation>
    </message>
    <message>
        <source>Desktop as Link</source>
        <translation>Schreibtisch als Verknüpfung</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Auss&amp;chneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Propert&amp;ies</source>
        <translation>E&amp;igenschaften</translation>
    </message>
    <message>
        <source>&amp;New Folder...</source>
        <translation>&amp;Neuer Ordner...</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>A&amp;ktualisieren</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Disk Size</source>
        <translation>Datenträgergröße</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Freier Speicher</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Attribute</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Attr</source>
        <translation>Attr.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read: %2.</source>
        <translation>Der Ordner %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Removable Disk</source>
        <translation>Wechseldatenträger</translation>
    </message>
    <message>
        <source>Local Disk</source>
        <translation>Lokaler Datenträger</translation>
    </message>
    <message>
        <source>%1 is not there any more.</source>
        <translation>%1 ist nicht mehr vorhanden.</translation>
    </message>
</context>
<context>
    <name>PhotoNotice</name>
    <message>
        <source>%1 is damaged: %2. Saving it keeps the picture as shown.

The decoder said: %3</source>
        <translation>%1 ist beschädigt: %2. Beim Speichern bleibt das Bild so, wie es angezeigt wird.

Der Decoder meldete: %3</translation>
    </message>
</context>
<context>
    <name>PhotoSaving</name>
    <message>
        <source>JPEG photos (*.jpg *.jpeg)</source>
        <translation>JPEG-Fotos (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>JPEG photos (*.jpg *.jpeg);;Bitmaps (*.bmp)</source>
        <translation>JPEG-Fotos (*.jpg *.jpeg);;Bitmaps (*.bmp)</translation>
    </message>
    <message>
        <source>Delete refused: a new picture is loaded.
Open the photo file again, then delete it.</source>
        <translation>Löschen abgelehnt: Ein neues Bild ist geladen.
Öffnen Sie die Fotodatei erneut und löschen Sie sie dann.</translation>
    </message>
    <message>
        <source>Save or Replace?</source>
        <translation>Speichern oder ersetzen?</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>In den Papierkorb verschieben</translation>
    </message>
    <message>
        <source>Photo Changed by Another Program</source>
        <translation>Foto von einem anderen Programm geändert</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened.

Save this picture as a copy beside it, replace it, or cancel?</source>
        <translation>%1 wurde seit dem Öffnen von einem anderen Programm geändert.

Dieses Bild als Kopie daneben speichern, die Datei ersetzen oder abbrechen?</translation>
    </message>
    <message>
        <source>Save as a Copy</source>
        <translation>Als Kopie speichern</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Do you want to move %1 to the Trash?</source>
        <translation>Möchten Sie %1 in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>Could not move %1 to the Trash: %2.</source>
        <translation>%1 konnte nicht in den Papierkorb verschoben werden: %2.</translation>
    </message>
    <message>
        <source>The original photo "%1" is damaged: only part of it could be decoded.

Replacing it keeps only what could be decoded, and the rest of the original is lost for good. Do you want to replace it anyway?</source>
        <translation>Das Originalfoto „%1“ ist beschädigt: Es konnte nur teilweise dekodiert werden.

Wenn Sie es ersetzen, bleibt nur das Dekodierte erhalten, der Rest des Originals ist endgültig verloren. Möchten Sie es trotzdem ersetzen?</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Unerwarteter Fehler</translation>
    </message>
    <message>
        <source>A file named "%1" already exists in %2.

Do you want to replace it? What it holds now is lost.</source>
        <translation>Im Ordner %2 gibt es bereits eine Datei namens „%1“.

Möchten Sie sie ersetzen? Ihr jetziger Inhalt geht verloren.</translation>
    </message>
    <message>
        <source>Lumora saves photos as JPEG files (or as bitmaps, ending in .bmp), so "%1" would not be what its name says.

The name is changed to "%2": check it and save again.</source>
        <translation>Lumora speichert Fotos als JPEG-Dateien (oder als Bitmaps mit der Endung .bmp), daher wäre „%1“ nicht, was sein Name sagt.

Der Name wird in „%2“ geändert: Prüfen Sie ihn und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>Save the changes over the photo "%1"?

Replace writes them into that file, and the photo as it was is lost. Save As keeps it and asks for a new name.</source>
        <translation>Die Änderungen in das Foto „%1“ speichern?

„Ersetzen“ schreibt sie in diese Datei, und das Foto, wie es war, geht verloren. „Speichern unter“ behält es und fragt nach einem neuen Namen.</translation>
    </message>
    <message>
        <source>Saved without loss of quality: the photo's original JPEG data was turned, not compressed again.</source>
        <translation>Ohne Qualitätsverlust gespeichert: Die ursprünglichen JPEG-Daten des Fotos wurden gedreht, nicht neu komprimiert.</translation>
    </message>
    <message>
        <source>Saved by compressing the picture again: turning the original JPEG data would have cut off its edge.</source>
        <translation>Durch erneutes Komprimieren des Bildes gespeichert: Das Drehen der ursprünglichen JPEG-Daten hätte seinen Rand abgeschnitten.</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
</context>
<context>
    <name>PhotoThumbView</name>
    <message>
        <source>This photo cannot be shown: %1</source>
        <translation>Dieses Foto kann nicht gezeigt werden: %1</translation>
    </message>
    <message>
        <source>Cannot show</source>
        <translation>Nicht darstellbar</translation>
    </message>
</context>
<context>
    <name>PictureChooser</name>
    <message>
        <source>The drive is not ready (no disc or medium in it).</source>
        <translation>Das Laufwerk ist nicht bereit (kein Datenträger eingelegt).</translation>
    </message>
    <message>
        <source>Select a picture</source>
        <translation>Bild auswählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Double-click a folder, or press Enter, to open it</source>
        <translation>Doppelklicken Sie auf einen Ordner oder drücken Sie die Eingabetaste, um ihn zu öffnen</translation>
    </message>
    <message>
        <source>BMP and JPEG pictures of the folder</source>
        <translation>BMP- und JPEG-Bilder des Ordners</translation>
    </message>
    <message>
        <source>The folder %1 is not there any more.</source>
        <translation>Der Ordner %1 ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>Size %1 x %2</source>
        <translation>Größe %1 x %2</translation>
    </message>
</context>
<context>
    <name>RotateAngleDialog</name>
    <message>
        <source>Rotate by Angle</source>
        <translation>Um einen Winkel drehen</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>degrees, from 1 to 359</source>
        <translation>Grad, von 1 bis 359</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Von %1 bis %2</translation>
    </message>
    <message>
        <source>%1 (from %2 to %3)</source>
        <translation>%1 (von %2 bis %3)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
</context>
<context>
    <name>TextStampDialog</name>
    <message>
        <source>Text stamp</source>
        <translation>Textstempel</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Schrift...</translation>
    </message>
    <message>
        <source>B</source>
        <comment>bold</comment>
        <translation>F</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>I</source>
        <comment>italic</comment>
        <translation>K</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Title
Example</source>
        <translation>Titel
Beispiel</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Left click: the colour of the letters; right click: the colour of the outline</source>
        <translation>Linksklick: Farbe der Buchstaben; Rechtsklick: Farbe der Kontur</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>No shadow</source>
        <translation>Kein Schatten</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Click to choose the grey of the shadow</source>
        <translation>Klicken, um das Grau des Schattens zu wählen</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Kontur</translation>
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
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Draw the preview again</source>
        <translation>Vorschau neu zeichnen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The height of a line of text as a part of the photo's height</source>
        <translation>Die Höhe einer Textzeile als Anteil an der Höhe des Fotos</translation>
    </message>
    <message>
        <source>Line height</source>
        <translation>Zeilenhöhe</translation>
    </message>
    <message>
        <source>Letters %1 pixels high in this preview</source>
        <translation>Buchstaben %1 Pixel hoch in dieser Vorschau</translation>
    </message>
    <message>
        <source>Letters %1 pixels high on the %2 × %3 photo, shown at the place they land</source>
        <translation>Buchstaben %1 Pixel hoch auf dem Foto mit %2 × %3, an der Stelle gezeigt, an der sie landen</translation>
    </message>
    <message>
        <source>The stamp could not be drawn this big; try a smaller line height.</source>
        <translation>Der Stempel konnte nicht so groß gezeichnet werden; versuchen Sie eine kleinere Zeilenhöhe.</translation>
    </message>
    <message>
        <source>Shadow grey</source>
        <translation>Grau des Schattens</translation>
    </message>
    <message>
        <source>The left and right arrow keys make the shadow darker or lighter</source>
        <translation>Die Pfeiltasten links und rechts machen den Schatten dunkler oder heller</translation>
    </message>
</context>
<context>
    <name>ThumbnailIcons</name>
    <message>
        <source>This picture cannot be shown: %1</source>
        <translation>Dieses Bild kann nicht gezeigt werden: %1</translation>
    </message>
</context>
<context>
    <name>WindowMenus</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
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
        <source>&amp;Memorize</source>
        <translation>&amp;Merken</translation>
    </message>
    <message>
        <source>Mi&amp;xing</source>
        <translation>&amp;Einmischen</translation>
    </message>
    <message>
        <source>&amp;Original Image %</source>
        <translation>&amp;Originalbild %</translation>
    </message>
    <message>
        <source>&amp;Optimization</source>
        <translation>&amp;Optimierung</translation>
    </message>
    <message>
        <source>&amp;Macro</source>
        <translation>&amp;Makro</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>O&amp;ptionen...</translation>
    </message>
    <message>
        <source>Re&amp;set Image</source>
        <translation>Bild &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation>B&amp;ild</translation>
    </message>
    <message>
        <source>Co&amp;mpare with the Original</source>
        <translation>Mit dem Original &amp;vergleichen</translation>
    </message>
    <message>
        <source>Lumora &amp;Help</source>
        <translation>Lumora-&amp;Hilfe</translation>
    </message>
    <message>
        <source>Online &amp;Manual</source>
        <translation>&amp;Online-Handbuch</translation>
    </message>
    <message>
        <source>&amp;About Lumora</source>
        <translation>Über &amp;Lumora</translation>
    </message>
    <message>
        <source>Colour &amp;Shift</source>
        <translation>Farb&amp;verschiebung</translation>
    </message>
    <message>
        <source>S&amp;traighten...</source>
        <translation>&amp;Gerade richten...</translation>
    </message>
    <message>
        <source>&amp;Crop...</source>
        <translation>&amp;Zuschneiden...</translation>
    </message>
    <message>
        <source>Cr&amp;op to Selection</source>
        <translation>Auf A&amp;uswahl zuschneiden</translation>
    </message>
    <message>
        <source>Red-&amp;Eye Removal...</source>
        <translation>Rote-&amp;Augen-Korrektur...</translation>
    </message>
</context>
<context>
    <name>lum</name>
    <message>
        <source>There is no picture to mix.</source>
        <translation>Es gibt kein Bild zum Einmischen.</translation>
    </message>
    <message>
        <source>There is no picture on the clipboard.</source>
        <translation>In der Zwischenablage ist kein Bild.</translation>
    </message>
    <message>
        <source>A macro holds at most 64 actions.</source>
        <translation>Ein Makro enthält höchstens 64 Aktionen.</translation>
    </message>
    <message>
        <source>The colour you clicked is too close to the fill colour.
Lower the fill threshold (T) and try again.</source>
        <translation>Die angeklickte Farbe liegt zu nah an der Füllfarbe.
Senken Sie die Füllschwelle (T) und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>This area already has the fill colour.</source>
        <translation>Dieser Bereich hat bereits die Füllfarbe.</translation>
    </message>
    <message>
        <source>Invalid new size: the height can be at most 2048 pixels.</source>
        <translation>Ungültige neue Größe: Die Höhe darf höchstens 2048 Pixel betragen.</translation>
    </message>
    <message>
        <source>Invalid new size: the width and the height must be at least 8 pixels.</source>
        <translation>Ungültige neue Größe: Breite und Höhe müssen mindestens 8 Pixel betragen.</translation>
    </message>
    <message>
        <source>Do&amp;n't Save</source>
        <translation>&amp;Nicht speichern</translation>
    </message>
    <message>
        <source>open the compare window</source>
        <translation>das Vergleichsfenster zu öffnen</translation>
    </message>
    <message>
        <source>open this photo</source>
        <translation>dieses Foto zu öffnen</translation>
    </message>
    <message>
        <source>do this</source>
        <translation>dies auszuführen</translation>
    </message>
    <message>
        <source>Invalid BMP file: %1</source>
        <translation>Ungültige BMP-Datei: %1</translation>
    </message>
    <message>
        <source>a colour mask is not contiguous</source>
        <translation>eine Farbmaske ist nicht zusammenhängend</translation>
    </message>
    <message>
        <source>the file is too short</source>
        <translation>die Datei ist zu kurz</translation>
    </message>
    <message>
        <source>the signature is missing</source>
        <translation>die Signatur fehlt</translation>
    </message>
    <message>
        <source>unknown header size %1</source>
        <translation>unbekannte Kopfgröße %1</translation>
    </message>
    <message>
        <source>the header is cut off</source>
        <translation>der Dateikopf ist abgeschnitten</translation>
    </message>
    <message>
        <source>the picture size is %1 x %2</source>
        <translation>die Bildgröße ist %1 x %2</translation>
    </message>
    <message>
        <source>the plane count is %1</source>
        <translation>die Anzahl der Ebenen ist %1</translation>
    </message>
    <message>
        <source>%1 bits per pixel</source>
        <translation>%1 Bit pro Pixel</translation>
    </message>
    <message>
        <source>Compressed BMP files (RLE) are not supported</source>
        <translation>Komprimierte BMP-Dateien (RLE) werden nicht unterstützt</translation>
    </message>
    <message>
        <source>Unsupported BMP compression (type %1)</source>
        <translation>Nicht unterstützte BMP-Kompression (Typ %1)</translation>
    </message>
    <message>
        <source>colour masks with %1 bits per pixel</source>
        <translation>Farbmasken mit %1 Bit pro Pixel</translation>
    </message>
    <message>
        <source>the colour masks are cut off</source>
        <translation>die Farbmasken sind abgeschnitten</translation>
    </message>
    <message>
        <source>the pixel data overlaps the header</source>
        <translation>die Pixeldaten überlappen den Dateikopf</translation>
    </message>
    <message>
        <source>the pixel data is cut off (%1 bytes, %2 needed)</source>
        <translation>die Pixeldaten sind abgeschnitten (%1 Byte, %2 benötigt)</translation>
    </message>
    <message>
        <source>Cannot save an empty picture as BMP</source>
        <translation>Ein leeres Bild kann nicht als BMP gespeichert werden</translation>
    </message>
    <message>
        <source>Picture too large for a BMP file</source>
        <translation>Das Bild ist zu groß für eine BMP-Datei</translation>
    </message>
    <message>
        <source>Decoding cancelled</source>
        <translation>Dekodieren abgebrochen</translation>
    </message>
    <message>
        <source>its colour profile is damaged or unusable and was ignored</source>
        <translation>sein Farbprofil ist beschädigt oder unbrauchbar und wurde ignoriert</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Byte</translation>
    </message>
    <message>
        <source>File too large: "%1" (the limit is %2)</source>
        <translation>Datei zu groß: „%1“ (die Grenze liegt bei %2)</translation>
    </message>
    <message>
        <source>"%1" is %2, not a regular photo file</source>
        <translation>„%1“ ist %2, keine gewöhnliche Fotodatei</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>ein zeichenorientiertes Gerät</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>ein blockorientiertes Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>eine Spezialdatei</translation>
    </message>
    <message>
        <source>Not enough memory for a %1 x %2 picture</source>
        <translation>Nicht genug Speicher für ein Bild mit %1 x %2 Pixeln</translation>
    </message>
    <message>
        <source>Cannot open "%1": %2</source>
        <translation>„%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot read "%1": %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot write a file without a name</source>
        <translation>Eine Datei ohne Namen kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot write "%1": it is %2, not a regular file</source>
        <translation>„%1“ kann nicht geschrieben werden: Es ist %2, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Cannot write "%1" (a link to "%2"): %3</source>
        <translation>„%1“ (eine Verknüpfung auf „%2“) kann nicht geschrieben werden: %3</translation>
    </message>
    <message>
        <source>Cannot write "%1": %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Image too large: %1 x %2 pixels</source>
        <translation>Bild zu groß: %1 x %2 Pixel</translation>
    </message>
    <message>
        <source>its data is damaged</source>
        <translation>seine Daten sind beschädigt</translation>
    </message>
    <message>
        <source>Not enough memory to read a HEIF file</source>
        <translation>Nicht genug Speicher zum Lesen einer HEIF-Datei</translation>
    </message>
    <message>
        <source>the picture could not be decoded</source>
        <translation>das Bild konnte nicht dekodiert werden</translation>
    </message>
    <message>
        <source>Invalid image size</source>
        <translation>Ungültige Bildgröße</translation>
    </message>
    <message>
        <source>Image too large: %1 x %2 pixels (the limit is 250 megapixels)</source>
        <translation>Bild zu groß: %1 x %2 Pixel (die Grenze liegt bei 250 Megapixeln)</translation>
    </message>
    <message>
        <source>Image too large</source>
        <translation>Bild zu groß</translation>
    </message>
    <message>
        <source>Too many scans in this progressive JPEG file (the limit is %1)</source>
        <translation>Zu viele Durchgänge in dieser progressiven JPEG-Datei (die Grenze liegt bei %1)</translation>
    </message>
    <message>
        <source>The file holds no picture data for its %1 x %2 pixels</source>
        <translation>Die Datei enthält keine Bilddaten für ihre %1 x %2 Pixel</translation>
    </message>
    <message>
        <source>The file is far too short to hold its %1 x %2 pixels (%3 bytes of picture data)</source>
        <translation>Die Datei ist viel zu kurz für ihre %1 x %2 Pixel (%3 Byte Bilddaten)</translation>
    </message>
    <message>
        <source>Image too large: %1 x %2 pixels in a progressive JPEG needs %3 MB to decode (the limit is %4 MB)</source>
        <translation>Bild zu groß: %1 x %2 Pixel in einem progressiven JPEG brauchen zum Dekodieren %3 MB (die Grenze liegt bei %4 MB)</translation>
    </message>
    <message>
        <source>Unsupported JPEG colour format (%1 components)</source>
        <translation>Nicht unterstütztes JPEG-Farbformat (%1 Komponenten)</translation>
    </message>
    <message>
        <source>There is not enough memory to %1: it needs about %2 MB and %3 MB are free. Close other programs or windows and try again.</source>
        <translation>Es ist nicht genug Speicher frei, um %1: Nötig sind etwa %2 MB, frei sind %3 MB. Schließen Sie andere Programme oder Fenster und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>the lower part of the picture is missing (the file ends early)</source>
        <translation>der untere Teil des Bildes fehlt (die Datei endet zu früh)</translation>
    </message>
    <message>
        <source>the lower part of the picture is missing (its data breaks off)</source>
        <translation>der untere Teil des Bildes fehlt (seine Daten brechen ab)</translation>
    </message>
    <message>
        <source>parts of the picture are blurred or missing (the file ends early)</source>
        <translation>Teile des Bildes sind unscharf oder fehlen (die Datei endet zu früh)</translation>
    </message>
    <message>
        <source>parts of the picture may be wrong (its data is corrupt)</source>
        <translation>Teile des Bildes können falsch sein (seine Daten sind fehlerhaft)</translation>
    </message>
    <message>
        <source>parts of the picture may be wrong or missing</source>
        <translation>Teile des Bildes können falsch sein oder fehlen</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Nicht genug Speicher</translation>
    </message>
    <message>
        <source>%1 is damaged: %2. The decoder said: %3</source>
        <translation>%1 ist beschädigt: %2. Der Decoder meldete: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>JPEG error #%1 in %2</source>
        <translation>JPEG-Fehler Nr. %1 in %2</translation>
    </message>
    <message>
        <source>JPEG error #%1 in %2: %3</source>
        <translation>JPEG-Fehler Nr. %1 in %2: %3</translation>
    </message>
    <message>
        <source>%1 error in %2: %3</source>
        <translation>%1-Fehler in %2: %3</translation>
    </message>
    <message>
        <source>%1 (left as it was)</source>
        <translation>%1 (unverändert belassen)</translation>
    </message>
    <message>
        <source>Unknown picture format</source>
        <translation>Unbekanntes Bildformat</translation>
    </message>
    <message>
        <source>Not enough memory to read this PNG file</source>
        <translation>Nicht genug Speicher zum Lesen dieser PNG-Datei</translation>
    </message>
    <message>
        <source>Not enough memory for this PNG picture</source>
        <translation>Nicht genug Speicher für dieses PNG-Bild</translation>
    </message>
    <message>
        <source>Not enough memory to read a PNG file</source>
        <translation>Nicht genug Speicher zum Lesen einer PNG-Datei</translation>
    </message>
    <message>
        <source>this is not a file of its kind, or its header is damaged</source>
        <translation>dies ist keine Datei dieses Typs, oder ihr Dateikopf ist beschädigt</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>das Bild ist zu groß (%1 x %2 Pixel)</translation>
    </message>
    <message>
        <source>it would take more memory than a photo may</source>
        <translation>es bräuchte mehr Speicher, als ein Foto belegen darf</translation>
    </message>
    <message>
        <source>part of the picture data is missing (the file ends early or is damaged)</source>
        <translation>ein Teil der Bilddaten fehlt (die Datei endet zu früh oder ist beschädigt)</translation>
    </message>
    <message>
        <source>its table of contents (a directory) is damaged</source>
        <translation>sein Inhaltsverzeichnis (ein Verzeichnis) ist beschädigt</translation>
    </message>
    <message>
        <source>it is stored in a way this program cannot read</source>
        <translation>es ist auf eine Weise gespeichert, die dieses Programm nicht lesen kann</translation>
    </message>
    <message>
        <source>%1 error: %2</source>
        <translation>%1-Fehler: %2</translation>
    </message>
    <message>
        <source>unreadable picture data</source>
        <translation>unlesbare Bilddaten</translation>
    </message>
    <message>
        <source>strips or tiles of no size</source>
        <translation>Streifen oder Kacheln ohne Größe</translation>
    </message>
    <message>
        <source>strips or tiles too large (%1 x %2 pixels)</source>
        <translation>Streifen oder Kacheln zu groß (%1 x %2 Pixel)</translation>
    </message>
    <message>
        <source>Not enough memory to read this TIFF file</source>
        <translation>Nicht genug Speicher zum Lesen dieser TIFF-Datei</translation>
    </message>
    <message>
        <source>Not enough memory to read a TIFF file</source>
        <translation>Nicht genug Speicher zum Lesen einer TIFF-Datei</translation>
    </message>
    <message>
        <source>not a TIFF file</source>
        <translation>keine TIFF-Datei</translation>
    </message>
    <message>
        <source>the picture has no size</source>
        <translation>das Bild hat keine Größe</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>nicht genug Speicher</translation>
    </message>
    <message>
        <source>invalid parameter</source>
        <translation>ungültiger Parameter</translation>
    </message>
    <message>
        <source>the picture data is corrupt</source>
        <translation>die Bilddaten sind fehlerhaft</translation>
    </message>
    <message>
        <source>a feature this reader does not support</source>
        <translation>eine Funktion, die dieses Leseprogramm nicht unterstützt</translation>
    </message>
    <message>
        <source>premature end of WebP file</source>
        <translation>vorzeitiges Ende der WebP-Datei</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>the library cannot decode animations</source>
        <translation>die Bibliothek kann keine Animationen dekodieren</translation>
    </message>
    <message>
        <source>the first frame of the animation cannot be decoded</source>
        <translation>das erste Bild der Animation kann nicht dekodiert werden</translation>
    </message>
    <message>
        <source>library version mismatch</source>
        <translation>Versionskonflikt der Bibliothek</translation>
    </message>
    <message>
        <source>There is not enough memory for this. Close other programs or windows and try again.</source>
        <translation>Dafür ist nicht genug Speicher frei. Schließen Sie andere Programme oder Fenster und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The crop rectangle must lie inside the picture and hold at least one pixel.</source>
        <translation>Das Zuschneide-Rechteck muss im Bild liegen und mindestens ein Pixel enthalten.</translation>
    </message>
    <message>
        <source>The picture is too small to be straightened.</source>
        <translation>Das Bild ist zu klein, um gerade gerichtet zu werden.</translation>
    </message>
    <message>
        <source>The red-eye rectangle must hold at least one pixel of the picture.</source>
        <translation>Das Rote-Augen-Rechteck muss mindestens ein Pixel des Bildes enthalten.</translation>
    </message>
    <message>
        <source>damaged data</source>
        <translation>beschädigte Daten</translation>
    </message>
    <message>
        <source>JPEG error #%1</source>
        <translation>JPEG-Fehler Nr. %1</translation>
    </message>
    <message>
        <source>JPEG error #%1: %2</source>
        <translation>JPEG-Fehler Nr. %1: %2</translation>
    </message>
    <message>
        <source>the file is far too short for its %1 x %2 pixels (%3 bytes of picture data)</source>
        <translation>die Datei ist viel zu kurz für ihre %1 x %2 Pixel (%3 Byte Bilddaten)</translation>
    </message>
    <message>
        <source>so much of the picture data is damaged that reading stopped (%1)</source>
        <translation>die Bilddaten sind so stark beschädigt, dass das Lesen abgebrochen wurde (%1)</translation>
    </message>
    <message>
        <source>the file ends before the picture does</source>
        <translation>die Datei endet vor dem Ende des Bildes</translation>
    </message>
    <message>
        <source>the picture data breaks off before its end</source>
        <translation>die Bilddaten brechen vor ihrem Ende ab</translation>
    </message>
    <message>
        <source>the picture data is garbled</source>
        <translation>die Bilddaten sind fehlerhaft</translation>
    </message>
    <message>
        <source>stray bytes lie in the picture data</source>
        <translation>in den Bilddaten liegen überzählige Bytes</translation>
    </message>
    <message>
        <source>a piece of the picture data is missing or out of order</source>
        <translation>ein Stück der Bilddaten fehlt oder steht an falscher Stelle</translation>
    </message>
    <message>
        <source>the parts of the picture data do not fit together</source>
        <translation>die Teile der Bilddaten passen nicht zusammen</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>this is not a JPEG file</source>
        <translation>dies ist keine JPEG-Datei</translation>
    </message>
    <message>
        <source>the file holds no picture data</source>
        <translation>die Datei enthält keine Bilddaten</translation>
    </message>
    <message>
        <source>the file's structure is damaged</source>
        <translation>der Aufbau der Datei ist beschädigt</translation>
    </message>
    <message>
        <source>a table needed to decode the picture is missing or damaged</source>
        <translation>eine zum Dekodieren des Bildes nötige Tabelle fehlt oder ist beschädigt</translation>
    </message>
    <message>
        <source>the description of the picture in its header is damaged</source>
        <translation>die Beschreibung des Bildes im Dateikopf ist beschädigt</translation>
    </message>
    <message>
        <source>the picture is larger than a JPEG file may hold</source>
        <translation>das Bild ist größer, als eine JPEG-Datei fassen kann</translation>
    </message>
    <message>
        <source>The EXIF thumbnail (the small preview inside the photo) no longer fits in the photo's metadata and was left out</source>
        <translation>Das EXIF-Vorschaubild (die kleine Vorschau im Foto) passt nicht mehr in die Metadaten des Fotos und wurde weggelassen</translation>
    </message>
    <message>
        <source>The EXIF thumbnail (the small preview inside the photo) could not be made again for the changed photo and was left out</source>
        <translation>Das EXIF-Vorschaubild (die kleine Vorschau im Foto) konnte für das geänderte Foto nicht neu erstellt werden und wurde weggelassen</translation>
    </message>
    <message>
        <source>The EXIF block could not be read safely and was kept as it was</source>
        <translation>Der EXIF-Block ließ sich nicht sicher lesen und wurde unverändert beibehalten</translation>
    </message>
    <message>
        <source>1 column</source>
        <translation>1 Spalte</translation>
    </message>
    <message>
        <source>%1 columns</source>
        <translation>%1 Spalten</translation>
    </message>
    <message>
        <source>1 row</source>
        <translation>1 Zeile</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 Zeilen</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>the edge of %1 that could not be turned without loss was cut off</source>
        <translation>der Rand von %1, der sich nicht verlustfrei drehen ließ, wurde abgeschnitten</translation>
    </message>
    <message>
        <source>The JPEG library could not be started</source>
        <translation>Die JPEG-Bibliothek konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>Not a JPEG photo that can be turned without loss</source>
        <translation>Kein JPEG-Foto, das sich verlustfrei drehen lässt</translation>
    </message>
    <message>
        <source>The JPEG photo's colour sampling cannot be turned without loss</source>
        <translation>Die Farbunterabtastung dieses JPEG-Fotos lässt sich nicht verlustfrei drehen</translation>
    </message>
    <message>
        <source>The photo is too large to be turned</source>
        <translation>Das Foto ist zu groß zum Drehen</translation>
    </message>
    <message>
        <source>The photo is smaller than one block of its compressed data and cannot be turned without loss</source>
        <translation>Das Foto ist kleiner als ein Block seiner komprimierten Daten und lässt sich nicht verlustfrei drehen</translation>
    </message>
    <message>
        <source>The photo cannot be turned without loss</source>
        <translation>Das Foto lässt sich nicht verlustfrei drehen</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Ordner nicht gefunden</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Die Datei existiert bereits</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Kein Platz mehr auf dem Datenträger</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Speicherkontingent überschritten</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Dateisystem nur lesbar</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Ordner</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Ist kein Ordner</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>Der Ordner ist nicht leer</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Dateiname zu lang</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Zu viele Ebenen symbolischer Verknüpfungen</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Datei zu groß</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>Invalid cross-device link</source>
        <translation>Verknüpfung über Datenträgergrenzen hinweg nicht möglich</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Gerät oder Ressource belegt</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>Nicht genug Arbeitsspeicher</translation>
    </message>
</context>
<context>
    <name>lum::BatchDialog</name>
    <message>
        <source>Optimize Photos</source>
        <translation>Fotos optimieren</translation>
    </message>
    <message>
        <source>Write the optimized photos</source>
        <translation>Optimierte Fotos schreiben</translation>
    </message>
    <message>
        <source>Into the folder “%1” beside the photos</source>
        <translation>In den Ordner „%1“ neben den Fotos</translation>
    </message>
    <message>
        <source>Into another folder:</source>
        <translation>In einen anderen Ordner:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Over the original photos</source>
        <translation>Über die Originalfotos</translation>
    </message>
    <message>
        <source>The original photos will be replaced and cannot be brought back. Damaged photos are left as they are.</source>
        <translation>Die Originalfotos werden ersetzt und können nicht wiederhergestellt werden. Beschädigte Fotos bleiben unverändert.</translation>
    </message>
    <message>
        <source>Replace photos of the same name already in that folder</source>
        <translation>Gleichnamige Fotos in diesem Ordner ersetzen</translation>
    </message>
    <message>
        <source>JPEG</source>
        <translation>JPEG</translation>
    </message>
    <message>
        <source>&amp;Quality (10 to 100):</source>
        <translation>&amp;Qualität (10 bis 100):</translation>
    </message>
    <message>
        <source>&amp;Progressive display</source>
        <translation>&amp;Progressive Anzeige</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Folder for the Optimized Photos</source>
        <translation>Ordner für die optimierten Fotos</translation>
    </message>
    <message>
        <source>%v of %m photos</source>
        <translation>%v von %m Fotos</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>Ausgabeordner ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Optimize 1 photo from %1.</source>
        <translation>1 Foto aus %1 optimieren.</translation>
    </message>
    <message>
        <source>Optimize %1 photos from %2.</source>
        <translation>%1 Fotos aus %2 optimieren.</translation>
    </message>
    <message>
        <source>Choose the folder for the optimized photos.</source>
        <translation>Wählen Sie den Ordner für die optimierten Fotos.</translation>
    </message>
    <message>
        <source>That is the photos' own folder. To write over the originals, choose “Over the original photos”.</source>
        <translation>Das ist der Ordner der Fotos selbst. Um die Originale zu überschreiben, wählen Sie „Über die Originalfotos“.</translation>
    </message>
    <message>
        <source>Replace the Original Photos?</source>
        <translation>Originalfotos ersetzen?</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Wird gestartet...</translation>
    </message>
    <message>
        <source>Working out the time left...</source>
        <translation>Die verbleibende Zeit wird ermittelt...</translation>
    </message>
    <message>
        <source>Stopping once the photos being written are finished...</source>
        <translation>Wird angehalten, sobald die gerade geschriebenen Fotos fertig sind...</translation>
    </message>
    <message>
        <source>Optimizing %1</source>
        <translation>%1 wird optimiert</translation>
    </message>
    <message>
        <source>Finishing...</source>
        <translation>Wird abgeschlossen...</translation>
    </message>
    <message>
        <source>%1: a file of that name is already in the output folder and was left as it was.</source>
        <translation>%1: Eine gleichnamige Datei ist bereits im Ausgabeordner und wurde unverändert belassen.</translation>
    </message>
    <message>
        <source>%1: another photo of the batch has the same name, so it was not written.</source>
        <translation>%1: Ein anderes Foto des Stapels hat denselben Namen, daher wurde es nicht geschrieben.</translation>
    </message>
    <message>
        <source>%1; the original was left as it was.</source>
        <translation>%1; das Original wurde unverändert belassen.</translation>
    </message>
    <message>
        <source>%1 is not a JPEG photo and was left as it was; write it to another folder to get its JPEG copy.</source>
        <translation>%1 ist kein JPEG-Foto und wurde unverändert belassen; schreiben Sie es in einen anderen Ordner, um seine JPEG-Kopie zu erhalten.</translation>
    </message>
    <message>
        <source>%1 was not written: %2</source>
        <translation>%1 wurde nicht geschrieben: %2</translation>
    </message>
    <message>
        <source>1 photo</source>
        <translation>1 Foto</translation>
    </message>
    <message>
        <source>%1 photos</source>
        <translation>%1 Fotos</translation>
    </message>
    <message>
        <source>The photos could not be optimized: %1</source>
        <translation>Die Fotos konnten nicht optimiert werden: %1</translation>
    </message>
    <message>
        <source>%1 optimized in place.</source>
        <translation>%1 an Ort und Stelle optimiert.</translation>
    </message>
    <message>
        <source>%1 written to %2.</source>
        <translation>%1 nach %2 geschrieben.</translation>
    </message>
    <message>
        <source>Cancelled: %1 not done.</source>
        <translation>Abgebrochen: %1 nicht bearbeitet.</translation>
    </message>
    <message>
        <source>%1 skipped, listed below.</source>
        <translation>%1 übersprungen, siehe unten.</translation>
    </message>
    <message>
        <source>Skipped:</source>
        <translation>Übersprungen:</translation>
    </message>
    <message>
        <source>Written, with a warning:</source>
        <translation>Geschrieben, mit einer Warnung:</translation>
    </message>
    <message>
        <source>&amp;Open Folder</source>
        <translation>Ordner ö&amp;ffnen</translation>
    </message>
    <message>
        <source>The folder %1 could not be opened.</source>
        <translation>Der Ordner %1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>%1 pixels</source>
        <translation>%1 Pixel</translation>
    </message>
    <message>
        <source>Original size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Long side:</source>
        <translation>&amp;Lange Seite:</translation>
    </message>
    <message>
        <source>JPEG &amp;quality (10 to 100):</source>
        <translation>JPEG-&amp;Qualität (10 bis 100):</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Ordner:</translation>
    </message>
    <message>
        <source>&amp;Remove the location and personal details</source>
        <translation>Ort und persönliche &amp;Angaben entfernen</translation>
    </message>
    <message>
        <source>GPS position, camera and lens serial numbers, owner and artist names, maker notes, places and creators in XMP and IPTC</source>
        <translation>GPS-Position, Seriennummern von Kamera und Objektiv, Namen von Besitzer und Urheber, Herstellerdaten, Orte und Urheber in XMP und IPTC</translation>
    </message>
    <message>
        <source>Copies are JPEG files in sRGB under the photos' names; a file already in the folder is never replaced (a number is added). The photos themselves are not changed.</source>
        <translation>Die Kopien sind JPEG-Dateien in sRGB unter den Namen der Fotos; eine Datei, die schon im Ordner liegt, wird nie ersetzt (eine Nummer wird angefügt). Die Fotos selbst werden nicht verändert.</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>Folder for the Copies</source>
        <translation>Ordner für die Kopien</translation>
    </message>
    <message>
        <source>Choose the folder for the copies.</source>
        <translation>Wählen Sie den Ordner für die Kopien.</translation>
    </message>
    <message>
        <source>Export Copies</source>
        <translation>Kopien exportieren</translation>
    </message>
    <message>
        <source>Export a copy of 1 photo from %1.</source>
        <translation>Eine Kopie von 1 Foto aus %1 exportieren.</translation>
    </message>
    <message>
        <source>Export copies of %1 photos from %2.</source>
        <translation>Kopien von %1 Fotos aus %2 exportieren.</translation>
    </message>
    <message>
        <source>Exporting %1</source>
        <translation>%1 wird exportiert</translation>
    </message>
    <message>
        <source>The copies could not be made: %1</source>
        <translation>Die Kopien konnten nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>Turn Photos</source>
        <translation>Fotos drehen</translation>
    </message>
    <message>
        <source>Turning %1</source>
        <translation>%1 wird gedreht</translation>
    </message>
    <message>
        <source>%1: Lumora cannot write photos of this format, so it was left as it was.</source>
        <translation>%1: Lumora kann Fotos dieses Formats nicht schreiben, daher blieb es, wie es war.</translation>
    </message>
    <message>
        <source>The photos could not be turned: %1</source>
        <translation>Die Fotos konnten nicht gedreht werden: %1</translation>
    </message>
    <message>
        <source>%1 turned without loss of quality.</source>
        <translation>%1 ohne Qualitätsverlust gedreht.</translation>
    </message>
    <message>
        <source>Upright already, left as they were:</source>
        <translation>Bereits aufrecht, unverändert gelassen:</translation>
    </message>
    <message>
        <source>The original photo will be replaced by its optimized version and cannot be brought back (a damaged photo is left as it is).

Replace it?</source>
        <translation>Das Originalfoto wird durch seine optimierte Fassung ersetzt und lässt sich nicht wiederherstellen (ein beschädigtes Foto bleibt, wie es ist).

Ersetzen?</translation>
    </message>
    <message>
        <source>The %1 original photos will be replaced by their optimized versions and cannot be brought back. Damaged photos are left as they are.

Replace them?</source>
        <translation>Die %1 Originalfotos werden durch ihre optimierten Fassungen ersetzt und lassen sich nicht wiederherstellen. Beschädigte Fotos bleiben, wie sie sind.

Ersetzen?</translation>
    </message>
    <message>
        <source>Export a copy of the shown photo, %1, with your unsaved changes.</source>
        <translation>Eine Kopie des angezeigten Fotos %1 mit Ihren nicht gespeicherten Änderungen exportieren.</translation>
    </message>
    <message>
        <source>Export a copy of the shown photo, %1.</source>
        <translation>Eine Kopie des angezeigten Fotos %1 exportieren.</translation>
    </message>
    <message>
        <source>Export copies of %1 photos from %2. The shown photo, %3, goes with your unsaved changes.</source>
        <translation>Kopien von %1 Fotos aus %2 exportieren. Das angezeigte Foto, %3, wird mit Ihren ungespeicherten Änderungen exportiert.</translation>
    </message>
    <message>
        <source>A few seconds left</source>
        <translation>Noch wenige Sekunden</translation>
    </message>
    <message>
        <source>About %1 seconds left</source>
        <translation>Noch etwa %1 Sekunden</translation>
    </message>
    <message>
        <source>About %1 minutes left</source>
        <translation>Noch etwa %1 Minuten</translation>
    </message>
    <message>
        <source>About %1 hours left</source>
        <translation>Noch etwa %1 Stunden</translation>
    </message>
</context>
<context>
    <name>lum::BatchRun</name>
    <message>
        <source>There is not enough memory to start the batch.</source>
        <translation>Es ist nicht genug Speicher frei, um den Stapel zu starten.</translation>
    </message>
    <message>
        <source>The batch could not start.</source>
        <translation>Der Stapel konnte nicht starten.</translation>
    </message>
</context>
<context>
    <name>lum::EditPane</name>
    <message>
        <source>Zoom to 10%</source>
        <translation>Zoom 10 %</translation>
    </message>
    <message>
        <source>Zoom to 25%</source>
        <translation>Zoom 25 %</translation>
    </message>
    <message>
        <source>Zoom to 33%</source>
        <translation>Zoom 33 %</translation>
    </message>
    <message>
        <source>Zoom to 50%</source>
        <translation>Zoom 50 %</translation>
    </message>
    <message>
        <source>Zoom to 66%</source>
        <translation>Zoom 66 %</translation>
    </message>
    <message>
        <source>Zoom to 75%</source>
        <translation>Zoom 75 %</translation>
    </message>
    <message>
        <source>Zoom to 100%</source>
        <translation>Zoom 100 %</translation>
    </message>
    <message>
        <source>Zoom to 125%</source>
        <translation>Zoom 125 %</translation>
    </message>
    <message>
        <source>Zoom to 150%</source>
        <translation>Zoom 150 %</translation>
    </message>
    <message>
        <source>Zoom to 200%</source>
        <translation>Zoom 200 %</translation>
    </message>
    <message>
        <source>Zoom to Fit Width</source>
        <translation>An die Breite anpassen</translation>
    </message>
    <message>
        <source>Zoom to Fit Height</source>
        <translation>An die Höhe anpassen</translation>
    </message>
    <message>
        <source>Zoom to Fit Window</source>
        <translation>An das Fenster anpassen</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Unerwarteter Fehler</translation>
    </message>
    <message>
        <source>Position %1, %2</source>
        <translation>Position %1, %2</translation>
    </message>
    <message>
        <source>Size %1 x %2</source>
        <translation>Größe %1 x %2</translation>
    </message>
</context>
<context>
    <name>lum::HelpWindow</name>
    <message>
        <source>Lumora Help</source>
        <translation>Lumora-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Online Manual</source>
        <translation>&amp;Online-Handbuch</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>index.html</source>
        <extracomment>The manual's first page in this language: index.&lt;language&gt;.html, kept with the program.</extracomment>
        <translation>index.de.html</translation>
    </message>
</context>
<context>
    <name>lum::OverflowRow</name>
    <message>
        <source>More buttons</source>
        <translation>Weitere Schaltflächen</translation>
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
        <translation>Linienwerkzeug</translation>
    </message>
    <message>
        <source>Pen tool</source>
        <translation>Stiftwerkzeug</translation>
    </message>
    <message>
        <source>Fill tool</source>
        <translation>Füllwerkzeug</translation>
    </message>
    <message>
        <source>Spray</source>
        <translation>Sprühdose</translation>
    </message>
    <message>
        <source>Selective colour eraser</source>
        <translation>Selektiver Farbradierer</translation>
    </message>
    <message>
        <source>Daub</source>
        <translation>Wischen</translation>
    </message>
    <message>
        <source>Noise</source>
        <translation>Rauschen</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Abdunkeln</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Aufhellen</translation>
    </message>
    <message>
        <source>Sharpen</source>
        <translation>Schärfen</translation>
    </message>
    <message>
        <source>Soften</source>
        <translation>Weichzeichnen</translation>
    </message>
    <message>
        <source>Zoom (left click: in, right click: out)</source>
        <translation>Zoom (Linksklick: vergrößern, Rechtsklick: verkleinern)</translation>
    </message>
    <message>
        <source>Paint Toolbar</source>
        <translation>Mal-Werkzeugleiste</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>First paint colour (left button); click to choose it</source>
        <translation>Erste Malfarbe (linke Maustaste); zum Wählen klicken</translation>
    </message>
    <message>
        <source>Second paint colour (right button); click to choose it</source>
        <translation>Zweite Malfarbe (rechte Maustaste); zum Wählen klicken</translation>
    </message>
    <message>
        <source>The colour under the pipette</source>
        <translation>Die Farbe unter der Pipette</translation>
    </message>
    <message>
        <source>Tool diameter</source>
        <translation>Werkzeugdurchmesser</translation>
    </message>
    <message>
        <source>Thickness or fill threshold</source>
        <translation>Stärke oder Füllschwelle</translation>
    </message>
    <message>
        <source>D</source>
        <comment>diameter</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>T</source>
        <comment>thickness</comment>
        <translation>T</translation>
    </message>
    <message>
        <source>R %1</source>
        <translation>R %1</translation>
    </message>
    <message>
        <source>G %1</source>
        <translation>G %1</translation>
    </message>
    <message>
        <source>B %1</source>
        <translation>B %1</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>lum::PhotoFixTools</name>
    <message>
        <source>Free</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>1:1 (square)</source>
        <translation>1:1 (quadratisch)</translation>
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
        <translation>Eigene</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 Pixel</translation>
    </message>
    <message>
        <source>Proportions:</source>
        <translation>Seitenverhältnis:</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Taller than wide (else wider than tall)</source>
        <translation>Höher als breit (sonst breiter als hoch)</translation>
    </message>
    <message>
        <source>Custom proportion: width</source>
        <translation>Eigenes Seitenverhältnis: Breite</translation>
    </message>
    <message>
        <source>Custom proportion: height</source>
        <translation>Eigenes Seitenverhältnis: Höhe</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <source>Crop to the frame (Enter)</source>
        <translation>Auf den Rahmen zuschneiden (Eingabetaste)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Leave the crop tool (Escape)</source>
        <translation>Das Zuschneide-Werkzeug verlassen (Esc)</translation>
    </message>
    <message>
        <source>Drag along a line that should be level or upright, or give the angle:</source>
        <translation>Ziehen Sie entlang einer Linie, die waagrecht oder senkrecht sein soll, oder geben Sie den Winkel an:</translation>
    </message>
    <message>
        <source> degrees</source>
        <translation> Grad</translation>
    </message>
    <message>
        <source>Clockwise positive</source>
        <translation>Im Uhrzeigersinn positiv</translation>
    </message>
    <message>
        <source>Straighten</source>
        <translation>Gerade richten</translation>
    </message>
    <message>
        <source>Turn the photo and keep its straight part (Enter)</source>
        <translation>Das Foto drehen und seinen geraden Teil behalten (Eingabetaste)</translation>
    </message>
    <message>
        <source>Leave the tool (Escape)</source>
        <translation>Das Werkzeug verlassen (Esc)</translation>
    </message>
    <message>
        <source>Click on a red eye, or drag a rectangle around it. Square:</source>
        <translation>Klicken Sie auf ein rotes Auge oder ziehen Sie ein Rechteck darum. Quadrat:</translation>
    </message>
    <message>
        <source> pixels on screen</source>
        <translation> Pixel auf dem Bildschirm</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Leave the red-eye tool (Escape)</source>
        <translation>Das Rote-Augen-Werkzeug verlassen (Esc)</translation>
    </message>
</context>
<context>
    <name>lum::SelectionToolbar</name>
    <message>
        <source>Selection Toolbar</source>
        <translation>Auswahl-Werkzeugleiste</translation>
    </message>
    <message>
        <source>Ellipse selection</source>
        <translation>Ellipsenauswahl</translation>
    </message>
    <message>
        <source>Rectangle selection</source>
        <translation>Rechteckauswahl</translation>
    </message>
    <message>
        <source>No selection tool</source>
        <translation>Kein Auswahlwerkzeug</translation>
    </message>
    <message>
        <source>Free-shape selection</source>
        <translation>Freihandauswahl</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Radieren</translation>
    </message>
    <message>
        <source>Moving the selection leaves the second paint colour behind</source>
        <translation>Beim Verschieben der Auswahl bleibt die zweite Malfarbe zurück</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Moving the selection leaves a copy behind</source>
        <translation>Beim Verschieben der Auswahl bleibt eine Kopie zurück</translation>
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
        <translation>Es gibt kein Foto zum Speichern.</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Recording macro: %1 of %2 actions</source>
        <translation>Makro wird aufgezeichnet: %1 von %2 Aktionen</translation>
    </message>
    <message>
        <source>Lumora</source>
        <translation>Lumora</translation>
    </message>
    <message>
        <source>The web page could not be opened: no web browser is set up on this computer.
Its address is %1</source>
        <translation>Die Webseite konnte nicht geöffnet werden: Auf diesem Computer ist kein Webbrowser eingerichtet.
Ihre Adresse ist %1</translation>
    </message>
    <message>
        <source>Open Photo</source>
        <translation>Foto öffnen</translation>
    </message>
    <message>
        <source>Photo canvas: no photo</source>
        <translation>Fotofläche: kein Foto</translation>
    </message>
    <message>
        <source>Photo canvas: %1, %2 x %3 pixels</source>
        <translation>Fotofläche: %1, %2 x %3 Pixel</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Reset Image brings back the picture as it was when it was opened, or when it was last turned, given a new size or memorized: those fix it as it is.

Nothing has changed since then. To go back further, use Undo.</source>
        <translation>„Bild zurücksetzen“ bringt das Bild zurück, wie es beim Öffnen war oder als es zuletzt gedreht, auf eine neue Größe gebracht oder gemerkt wurde: Diese Schritte legen es fest, wie es ist.

Seitdem hat sich nichts geändert. Um weiter zurückzugehen, verwenden Sie Rückgängig.</translation>
    </message>
</context>
<context>
    <name>lum::files</name>
    <message>
        <source>some of its contents could not be removed</source>
        <translation>ein Teil des Inhalts konnte nicht entfernt werden</translation>
    </message>
    <message>
        <source>File System (/)</source>
        <translation>Dateisystem (/)</translation>
    </message>
    <message>
        <source>Home (%1)</source>
        <translation>Persönlicher Ordner (%1)</translation>
    </message>
    <message>
        <source>This is not a valid drive.</source>
        <translation>Dies ist kein gültiges Laufwerk.</translation>
    </message>
    <message>
        <source>%1 is not a valid drive.</source>
        <translation>%1 ist kein gültiges Laufwerk.</translation>
    </message>
    <message>
        <source>There is no disc in the drive %1,
or the drive is not ready.</source>
        <translation>Im Laufwerk %1 ist kein Datenträger,
oder das Laufwerk ist nicht bereit.</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>a folder cannot go inside itself</source>
        <translation>ein Ordner kann nicht in sich selbst verschoben werden</translation>
    </message>
    <message>
        <source>the desktop folder could not be made</source>
        <translation>der Schreibtischordner konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>Type: %1</source>
        <translation>Typ: %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Ort: %1</translation>
    </message>
    <message>
        <source>Link to: %1</source>
        <translation>Verknüpfung auf: %1</translation>
    </message>
    <message>
        <source>Size: %1 (%2 bytes)</source>
        <translation>Größe: %1 (%2 Byte)</translation>
    </message>
    <message>
        <source>Contains: %1 files, %2 folders%3</source>
        <translation>Enthält: %1 Dateien, %2 Ordner%3</translation>
    </message>
    <message>
        <source> (some folders could not be read)</source>
        <translation> (einige Ordner konnten nicht gelesen werden)</translation>
    </message>
    <message>
        <source>Modified: %1</source>
        <translation>Geändert: %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Erstellt: %1</translation>
    </message>
    <message>
        <source>Accessed: %1</source>
        <translation>Letzter Zugriff: %1</translation>
    </message>
    <message>
        <source>Permissions: %1</source>
        <translation>Berechtigungen: %1</translation>
    </message>
    <message>
        <source>Owner: %1 / %2</source>
        <translation>Eigentümer: %1 / %2</translation>
    </message>
    <message>
        <source>Attributes: %1</source>
        <translation>Attribute: %1</translation>
    </message>
    <message>
        <source>Could not open %1: it is not there any more.</source>
        <translation>%1 konnte nicht geöffnet werden: Es ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>Could not open %1: no program is set to open files of this type.</source>
        <translation>%1 konnte nicht geöffnet werden: Für Dateien dieses Typs ist kein Programm eingerichtet.</translation>
    </message>
</context>
</TS>