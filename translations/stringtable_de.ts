<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>StringTable</name>
    <message>
        <extracomment>101</extracomment>
        <source>A multiple-document web browser for the Linux desktop, built on Qt and Qt WebEngine by the Kelvane developers.</source>
        <translation>Ein Webbrowser mit mehreren Dokumenten für den Linux-Desktop, gebaut auf Qt und Qt WebEngine von den Kelvane-Entwicklern.</translation>
    </message>
    <message>
        <extracomment>103</extracomment>
        <source>Warning: ...</source>
        <translation>Warnung: ...</translation>
    </message>
    <message>
        <extracomment>104 1051</extracomment>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <extracomment>500</extracomment>
        <source>About Kelvane</source>
        <translation>Über Kelvane</translation>
    </message>
    <message>
        <extracomment>501</extracomment>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <extracomment>1000</extracomment>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <extracomment>1001</extracomment>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <extracomment>1002</extracomment>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <extracomment>1003</extracomment>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <extracomment>1004</extracomment>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <extracomment>1005</extracomment>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <extracomment>1006</extracomment>
        <source>Save A&amp;ll</source>
        <translation>&amp;Alle speichern</translation>
    </message>
    <message>
        <extracomment>1007</extracomment>
        <source>Propert&amp;ies</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <extracomment>1008</extracomment>
        <source>Page Set&amp;up...</source>
        <translation>Seite ein&amp;richten...</translation>
    </message>
    <message>
        <extracomment>1009 1067</extracomment>
        <source>Print Pre&amp;view</source>
        <translation>Seiten&amp;ansicht</translation>
    </message>
    <message>
        <extracomment>1010</extracomment>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <extracomment>1011</extracomment>
        <source>Sen&amp;d...</source>
        <translation>Sen&amp;den...</translation>
    </message>
    <message>
        <extracomment>1012</extracomment>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <extracomment>1013</extracomment>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <extracomment>1014</extracomment>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <extracomment>1015</extracomment>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>&amp;Ausschneiden	Ctrl+X</translation>
    </message>
    <message>
        <extracomment>1016</extracomment>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Kopieren	Ctrl+C</translation>
    </message>
    <message>
        <extracomment>1017</extracomment>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>E&amp;infügen	Ctrl+V</translation>
    </message>
    <message>
        <extracomment>1018</extracomment>
        <source>Paste &amp;Special...</source>
        <translation>Inhalte ein&amp;fügen...</translation>
    </message>
    <message>
        <extracomment>1019</extracomment>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <extracomment>1020</extracomment>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <extracomment>1021</extracomment>
        <source>Status &amp;Bar</source>
        <translation>Status&amp;leiste</translation>
    </message>
    <message>
        <extracomment>1022 1091</extracomment>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <extracomment>1023</extracomment>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <extracomment>1024</extracomment>
        <source>&amp;Web Browser</source>
        <translation>&amp;Webbrowser</translation>
    </message>
    <message>
        <extracomment>1025</extracomment>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <extracomment>1026</extracomment>
        <source>&amp;New Window</source>
        <translation>&amp;Neues Fenster</translation>
    </message>
    <message>
        <extracomment>1027</extracomment>
        <source>&amp;Cascade</source>
        <translation>Ü&amp;berlappend</translation>
    </message>
    <message>
        <extracomment>1028</extracomment>
        <source>Tile &amp;Horizontal</source>
        <translation>&amp;Untereinander</translation>
    </message>
    <message>
        <extracomment>1029</extracomment>
        <source>Tile &amp;Vertical</source>
        <translation>N&amp;ebeneinander</translation>
    </message>
    <message>
        <extracomment>1030</extracomment>
        <source>&amp;Arrange Icons</source>
        <translation>Symbole an&amp;ordnen</translation>
    </message>
    <message>
        <extracomment>1031</extracomment>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <extracomment>1032</extracomment>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <extracomment>1033</extracomment>
        <source>&amp;Search For Help On...</source>
        <translation>Hilfe &amp;suchen zu...</translation>
    </message>
    <message>
        <extracomment>1034</extracomment>
        <source>&amp;About </source>
        <translation>&amp;Über </translation>
    </message>
    <message>
        <extracomment>1035 1101</extracomment>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <extracomment>1036</extracomment>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <extracomment>1037</extracomment>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <extracomment>1038</extracomment>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <extracomment>1039</extracomment>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <extracomment>1040</extracomment>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <extracomment>1041</extracomment>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <extracomment>1042</extracomment>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <extracomment>1043</extracomment>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <extracomment>1044</extracomment>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <extracomment>1045</extracomment>
        <source>Align Left</source>
        <translation>Linksbündig</translation>
    </message>
    <message>
        <extracomment>1046</extracomment>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <extracomment>1047</extracomment>
        <source>Align Right</source>
        <translation>Rechtsbündig</translation>
    </message>
    <message>
        <extracomment>1049</extracomment>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <extracomment>1050</extracomment>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <extracomment>1052</extracomment>
        <source>Platform</source>
        <translation>Plattform</translation>
    </message>
    <message>
        <extracomment>1054</extracomment>
        <source>Product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <extracomment>1056 3000</extracomment>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <extracomment>1057</extracomment>
        <source>Sample 1</source>
        <translation>Beispiel 1</translation>
    </message>
    <message>
        <extracomment>1058</extracomment>
        <source>Sample 2</source>
        <translation>Beispiel 2</translation>
    </message>
    <message>
        <extracomment>1059</extracomment>
        <source>Sample 3</source>
        <translation>Beispiel 3</translation>
    </message>
    <message>
        <extracomment>1060</extracomment>
        <source>Sample 4</source>
        <translation>Beispiel 4</translation>
    </message>
    <message>
        <extracomment>1061</extracomment>
        <source>&amp;Apply</source>
        <translation>Ü&amp;bernehmen</translation>
    </message>
    <message>
        <extracomment>1062 2015 3018 3504</extracomment>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <extracomment>1063 1066 2014 3017 3503</extracomment>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <extracomment>1065</extracomment>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <extracomment>1068</extracomment>
        <source>&amp;Increase Font</source>
        <translation>Schrift ver&amp;größern</translation>
    </message>
    <message>
        <extracomment>1069</extracomment>
        <source>&amp;Decrease Font</source>
        <translation>Schrift verklei&amp;nern</translation>
    </message>
    <message>
        <extracomment>1070</extracomment>
        <source>&amp;Reset Font</source>
        <translation>Schrift &amp;zurücksetzen</translation>
    </message>
    <message>
        <extracomment>1071</extracomment>
        <source>Select A&amp;ll	Ctrl+A</source>
        <translation>Alles aus&amp;wählen	Ctrl+A</translation>
    </message>
    <message>
        <extracomment>1072</extracomment>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <extracomment>1073</extracomment>
        <source>&amp;Browse Toolbar</source>
        <translation>&amp;Navigationsleiste</translation>
    </message>
    <message>
        <extracomment>1074</extracomment>
        <source>&amp;Sites Toolbar</source>
        <translation>&amp;Seitenleiste</translation>
    </message>
    <message>
        <extracomment>1075</extracomment>
        <source>A&amp;ddress Bar</source>
        <translation>&amp;Adressleiste</translation>
    </message>
    <message>
        <extracomment>1076</extracomment>
        <source>&amp;Tabs Bar</source>
        <translation>&amp;Registerleiste</translation>
    </message>
    <message>
        <extracomment>1077</extracomment>
        <source>&amp;Navigator</source>
        <translation>Navi&amp;gator</translation>
    </message>
    <message>
        <extracomment>1078</extracomment>
        <source>&amp;Favorites</source>
        <translation>&amp;Favoriten</translation>
    </message>
    <message>
        <extracomment>1079 2010</extracomment>
        <source>Add to Favorites</source>
        <translation>Zu Favoriten hinzufügen</translation>
    </message>
    <message>
        <extracomment>1080 2020</extracomment>
        <source>Organize Favorites</source>
        <translation>Favoriten verwalten</translation>
    </message>
    <message>
        <extracomment>1081</extracomment>
        <source>Tabs</source>
        <translation>Register</translation>
    </message>
    <message>
        <extracomment>1082</extracomment>
        <source>Shrink A&amp;ll</source>
        <translation>&amp;Alle verkleinern</translation>
    </message>
    <message>
        <extracomment>1083</extracomment>
        <source>Shrink All but &amp;Active</source>
        <translation>Alle außer dem a&amp;ktiven verkleinern</translation>
    </message>
    <message>
        <extracomment>1084</extracomment>
        <source>&amp;Reset All</source>
        <translation>Alle &amp;zurücksetzen</translation>
    </message>
    <message>
        <extracomment>1085</extracomment>
        <source>&amp;Quick Search</source>
        <translation>S&amp;chnellsuche</translation>
    </message>
    <message>
        <extracomment>1086</extracomment>
        <source>Sour&amp;ce</source>
        <translation>&amp;Quelltext</translation>
    </message>
    <message>
        <extracomment>1087</extracomment>
        <source>&amp;Navigate</source>
        <translation>&amp;Navigieren</translation>
    </message>
    <message>
        <extracomment>1088</extracomment>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <extracomment>1089</extracomment>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <extracomment>1090</extracomment>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <extracomment>1092</extracomment>
        <source>Home &amp;1</source>
        <translation>Startseite &amp;1</translation>
    </message>
    <message>
        <extracomment>1093</extracomment>
        <source>Home &amp;2</source>
        <translation>Startseite &amp;2</translation>
    </message>
    <message>
        <extracomment>1094</extracomment>
        <source>&amp;Mail</source>
        <translation>&amp;E-Mail</translation>
    </message>
    <message>
        <extracomment>1095</extracomment>
        <source>Sear&amp;ch</source>
        <translation>Su&amp;che</translation>
    </message>
    <message>
        <extracomment>1096</extracomment>
        <source>&amp;News</source>
        <translation>&amp;Nachrichten</translation>
    </message>
    <message>
        <extracomment>1097</extracomment>
        <source>Kelvane on the Web</source>
        <translation>Kelvane im Web</translation>
    </message>
    <message>
        <extracomment>1098</extracomment>
        <source>Kelvane Help</source>
        <translation>Kelvane-Hilfe</translation>
    </message>
    <message>
        <extracomment>1099</extracomment>
        <source>&amp;Blank Page</source>
        <translation>&amp;Leere Seite</translation>
    </message>
    <message>
        <extracomment>1100</extracomment>
        <source>Cu&amp;rrent Page</source>
        <translation>Akt&amp;uelle Seite</translation>
    </message>
    <message>
        <extracomment>1102</extracomment>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <extracomment>1103</extracomment>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <extracomment>1104</extracomment>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <extracomment>1105</extracomment>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <extracomment>1106 1129</extracomment>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <extracomment>1107</extracomment>
        <source>New site</source>
        <translation>Neue Seite</translation>
    </message>
    <message>
        <extracomment>1108</extracomment>
        <source>Navigate to previous site</source>
        <translation>Zur vorigen Seite</translation>
    </message>
    <message>
        <extracomment>1109</extracomment>
        <source>Navigate to next site</source>
        <translation>Zur nächsten Seite</translation>
    </message>
    <message>
        <extracomment>1110</extracomment>
        <source>Reload current site</source>
        <translation>Aktuelle Seite neu laden</translation>
    </message>
    <message>
        <extracomment>1111</extracomment>
        <source>Stop loading site</source>
        <translation>Laden der Seite abbrechen</translation>
    </message>
    <message>
        <extracomment>1112</extracomment>
        <source>Go to primary home page</source>
        <translation>Zur ersten Startseite</translation>
    </message>
    <message>
        <extracomment>1113</extracomment>
        <source>Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <extracomment>1114 4003</extracomment>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <extracomment>1115</extracomment>
        <source>News</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <extracomment>1116</extracomment>
        <source>Load Mail site</source>
        <translation>E-Mail-Seite laden</translation>
    </message>
    <message>
        <extracomment>1117</extracomment>
        <source>Load Search engine</source>
        <translation>Suchmaschine laden</translation>
    </message>
    <message>
        <extracomment>1118</extracomment>
        <source>Load News page</source>
        <translation>Nachrichtenseite laden</translation>
    </message>
    <message>
        <extracomment>1119</extracomment>
        <source>A&amp;ddress</source>
        <translation>A&amp;dresse</translation>
    </message>
    <message>
        <extracomment>1122</extracomment>
        <source>Quick Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <extracomment>1123</extracomment>
        <source>Click to show Quick Notes</source>
        <translation>Klicken, um die Notizen zu zeigen</translation>
    </message>
    <message>
        <extracomment>1124</extracomment>
        <source>Click to hide Quick Notes</source>
        <translation>Klicken, um die Notizen auszublenden</translation>
    </message>
    <message>
        <extracomment>1125</extracomment>
        <source>Double click to view options</source>
        <translation>Doppelklick zeigt die Optionen</translation>
    </message>
    <message>
        <extracomment>1126</extracomment>
        <source>Double click to toggle popup-kill on/off</source>
        <translation>Doppelklick schaltet den Popup-Blocker ein oder aus</translation>
    </message>
    <message>
        <extracomment>1127</extracomment>
        <source>Security Status</source>
        <translation>Sicherheitsstatus</translation>
    </message>
    <message>
        <extracomment>1128</extracomment>
        <source>&amp;Internet Options</source>
        <translation>&amp;Internetoptionen</translation>
    </message>
    <message>
        <extracomment>1130</extracomment>
        <source>Go to secondary home page</source>
        <translation>Zur zweiten Startseite</translation>
    </message>
    <message>
        <extracomment>1500</extracomment>
        <source>Association Checking...</source>
        <translation>Zuordnung wird geprüft...</translation>
    </message>
    <message>
        <extracomment>1501</extracomment>
        <source>Kelvane v1.50 is not currently your default web browser, would you like to make it the default browser for the web?</source>
        <translation>Kelvane v1.50 ist derzeit nicht Ihr Standard-Webbrowser. Möchten Sie es zum Standardbrowser für das Web machen?</translation>
    </message>
    <message>
        <extracomment>1502</extracomment>
        <source>Don&apos;t ask for this in the future.</source>
        <translation>Künftig nicht mehr fragen.</translation>
    </message>
    <message>
        <extracomment>1503</extracomment>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <extracomment>1504</extracomment>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <extracomment>1505</extracomment>
        <source>Error in File Association Process</source>
        <translation>Fehler beim Zuordnen der Dateitypen</translation>
    </message>
    <message>
        <extracomment>2000</extracomment>
        <source>Kelvane Favorites</source>
        <translation>Kelvane-Favoriten</translation>
    </message>
    <message>
        <extracomment>2001</extracomment>
        <source>&amp;Clipboard</source>
        <translation>&amp;Zwischenablage</translation>
    </message>
    <message>
        <extracomment>2002</extracomment>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <extracomment>2003</extracomment>
        <source>&amp;Done</source>
        <translation>Fer&amp;tig</translation>
    </message>
    <message>
        <extracomment>2004</extracomment>
        <source>Favorite Name</source>
        <translation>Name des Favoriten</translation>
    </message>
    <message>
        <extracomment>2005</extracomment>
        <source>Favorite URL</source>
        <translation>Adresse des Favoriten</translation>
    </message>
    <message>
        <extracomment>2006</extracomment>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <extracomment>2011</extracomment>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <extracomment>2012</extracomment>
        <source>Create &amp;in:</source>
        <translation>Erstellen &amp;in:</translation>
    </message>
    <message>
        <extracomment>2013</extracomment>
        <source>&amp;New Folder...</source>
        <translation>Neuer &amp;Ordner...</translation>
    </message>
    <message>
        <extracomment>2016</extracomment>
        <source>A favorite named &quot;%1&quot; already exists in this folder. Do you want to replace it?</source>
        <translation>In diesem Ordner gibt es schon einen Favoriten „%1“. Möchten Sie ihn ersetzen?</translation>
    </message>
    <message>
        <extracomment>2017</extracomment>
        <source>The favorite &quot;%1&quot; could not be saved.</source>
        <translation>Der Favorit „%1“ konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <extracomment>2021</extracomment>
        <source>&amp;Create Folder...</source>
        <translation>Ordner &amp;erstellen...</translation>
    </message>
    <message>
        <extracomment>2022</extracomment>
        <source>&amp;Rename...</source>
        <translation>&amp;Umbenennen...</translation>
    </message>
    <message>
        <extracomment>2023</extracomment>
        <source>&amp;Move to Folder...</source>
        <translation>In Ordner &amp;verschieben...</translation>
    </message>
    <message>
        <extracomment>2024</extracomment>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <extracomment>2025</extracomment>
        <source>C&amp;lose</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <extracomment>2026</extracomment>
        <source>Are you sure you want to delete the favorite &quot;%1&quot;?</source>
        <translation>Möchten Sie den Favoriten „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <extracomment>2027</extracomment>
        <source>Are you sure you want to delete the folder &quot;%1&quot; and everything in it?</source>
        <translation>Möchten Sie den Ordner „%1“ mit allem, was er enthält, wirklich löschen?</translation>
    </message>
    <message>
        <extracomment>2028</extracomment>
        <source>New Folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <extracomment>2029</extracomment>
        <source>Folder name:</source>
        <translation>Ordnername:</translation>
    </message>
    <message>
        <extracomment>2030</extracomment>
        <source>New name:</source>
        <translation>Neuer Name:</translation>
    </message>
    <message>
        <extracomment>2031</extracomment>
        <source>Move to Folder</source>
        <translation>In Ordner verschieben</translation>
    </message>
    <message>
        <extracomment>2032</extracomment>
        <source>Choose the folder to move the selected item to:</source>
        <translation>Wählen Sie den Ordner, in den das Gewählte verschoben wird:</translation>
    </message>
    <message>
        <extracomment>2033</extracomment>
        <source>A favorite or folder named &quot;%1&quot; already exists there.</source>
        <translation>Dort gibt es schon einen Favoriten oder Ordner „%1“.</translation>
    </message>
    <message>
        <extracomment>2034</extracomment>
        <source>&quot;%1&quot; cannot be used as a name here.</source>
        <translation>„%1“ kann hier nicht als Name dienen.</translation>
    </message>
    <message>
        <extracomment>2035</extracomment>
        <source>&quot;%1&quot; could not be changed.</source>
        <translation>„%1“ konnte nicht geändert werden.</translation>
    </message>
    <message>
        <extracomment>2500</extracomment>
        <source>Navigator</source>
        <translation>Navigator</translation>
    </message>
    <message>
        <extracomment>2501</extracomment>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <extracomment>2502</extracomment>
        <source>Close selected site</source>
        <translation>Gewählte Seite schließen</translation>
    </message>
    <message>
        <extracomment>2503</extracomment>
        <source>Site</source>
        <translation>Seite</translation>
    </message>
    <message>
        <extracomment>2504</extracomment>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <extracomment>3001</extracomment>
        <source>On Exit</source>
        <translation>Beim Beenden</translation>
    </message>
    <message>
        <extracomment>3002</extracomment>
        <source>&amp;Clean History</source>
        <translation>&amp;Verlauf löschen</translation>
    </message>
    <message>
        <extracomment>3003</extracomment>
        <source>Clean &amp;Now</source>
        <translation>&amp;Jetzt löschen</translation>
    </message>
    <message>
        <extracomment>3004</extracomment>
        <source>&amp;Save All Documents</source>
        <translation>Alle Dokumente &amp;speichern</translation>
    </message>
    <message>
        <extracomment>3005</extracomment>
        <source>Minimize To &amp;Tray</source>
        <translation>In den &amp;Infobereich minimieren</translation>
    </message>
    <message>
        <extracomment>3006 3502</extracomment>
        <source>&amp;Password</source>
        <translation>&amp;Passwort</translation>
    </message>
    <message>
        <extracomment>3007</extracomment>
        <source>Con&amp;firm</source>
        <translation>&amp;Bestätigen</translation>
    </message>
    <message>
        <extracomment>3008</extracomment>
        <source>Prompt to set Kelvane as your default Internet Browser</source>
        <translation>Fragen, ob Kelvane der Standardbrowser werden soll</translation>
    </message>
    <message>
        <extracomment>3009</extracomment>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <extracomment>3010</extracomment>
        <source>Sites</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <extracomment>3011</extracomment>
        <source>Home &amp;1:</source>
        <translation>Startseite &amp;1:</translation>
    </message>
    <message>
        <extracomment>3012</extracomment>
        <source>Home &amp;2:</source>
        <translation>Startseite &amp;2:</translation>
    </message>
    <message>
        <extracomment>3013</extracomment>
        <source>&amp;Search:</source>
        <translation>&amp;Suche:</translation>
    </message>
    <message>
        <extracomment>3014</extracomment>
        <source>&amp;Mail:</source>
        <translation>&amp;E-Mail:</translation>
    </message>
    <message>
        <extracomment>3015</extracomment>
        <source>&amp;News:</source>
        <translation>&amp;Nachrichten:</translation>
    </message>
    <message>
        <extracomment>3016</extracomment>
        <source>Use &amp;Current</source>
        <translation>Aktuelle &amp;verwenden</translation>
    </message>
    <message>
        <extracomment>3019</extracomment>
        <source>Tray</source>
        <translation>Infobereich</translation>
    </message>
    <message>
        <extracomment>3020</extracomment>
        <source>Temporary Files, Cookies and History will be deleted, Proceed?</source>
        <translation>Temporäre Dateien, Cookies und Verlauf werden gelöscht. Fortfahren?</translation>
    </message>
    <message>
        <extracomment>3021</extracomment>
        <source>Error passwords do NOT match, please type a correct password</source>
        <translation>Fehler: Die Passwörter stimmen NICHT überein. Bitte geben Sie ein korrektes Passwort ein.</translation>
    </message>
    <message>
        <extracomment>3022</extracomment>
        <source>This desktop has no system tray, so minimizing keeps the window on the taskbar.</source>
        <translation>Dieser Desktop hat keinen Infobereich; beim Minimieren bleibt das Fenster in der Taskleiste.</translation>
    </message>
    <message>
        <extracomment>3200</extracomment>
        <source>Enabled</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <extracomment>3201</extracomment>
        <source>Site &amp;Name</source>
        <translation>Seiten&amp;name</translation>
    </message>
    <message>
        <extracomment>3202</extracomment>
        <source>Site &amp;URL</source>
        <translation>Seiten&amp;adresse</translation>
    </message>
    <message>
        <extracomment>3203</extracomment>
        <source>If sites toolbar is not visible, you wont be able to get benifit of User Links.To show the sites toolbar, check it from the &quot;View-Sites Toolbar&quot; menu.</source>
        <translation>Solange die Seitenleiste nicht sichtbar ist, können Sie die eigenen Links nicht nutzen. Sie zeigen die Seitenleiste im Menü „Ansicht – Seitenleiste“.</translation>
    </message>
    <message>
        <extracomment>3500</extracomment>
        <source>Kelvane - Enter Password</source>
        <translation>Kelvane – Passwort eingeben</translation>
    </message>
    <message>
        <extracomment>3501</extracomment>
        <source>Please enter password:</source>
        <translation>Bitte Passwort eingeben:</translation>
    </message>
    <message>
        <extracomment>3505</extracomment>
        <source>Invalid Password, try again!</source>
        <translation>Falsches Passwort, bitte noch einmal!</translation>
    </message>
    <message>
        <extracomment>3506</extracomment>
        <source>Kelvane Quick Notes</source>
        <translation>Kelvane-Notizen</translation>
    </message>
    <message>
        <extracomment>3507</extracomment>
        <source>&amp;Enable Quick Notes</source>
        <translation>Notizen &amp;einschalten</translation>
    </message>
    <message>
        <extracomment>3508</extracomment>
        <source>Quick Notes Format</source>
        <translation>Format der Notizen</translation>
    </message>
    <message>
        <extracomment>3509</extracomment>
        <source>Notes &amp;Font</source>
        <translation>&amp;Schrift der Notizen</translation>
    </message>
    <message>
        <extracomment>3510</extracomment>
        <source>Notes &amp;Color</source>
        <translation>&amp;Farbe der Notizen</translation>
    </message>
    <message>
        <extracomment>4000</extracomment>
        <source>Quick Search</source>
        <translation>Schnellsuche</translation>
    </message>
    <message>
        <extracomment>4001</extracomment>
        <source>Google is one of the most precise search engines nowadays. You can type any query for it.</source>
        <translation>Google ist eine der genauesten Suchmaschinen. Sie können jede beliebige Anfrage eingeben.</translation>
    </message>
    <message>
        <extracomment>4002</extracomment>
        <source>Method</source>
        <translation>Methode</translation>
    </message>
    <message>
        <extracomment>5000</extracomment>
        <source>Kelvane Downloads</source>
        <translation>Kelvane-Downloads</translation>
    </message>
    <message>
        <extracomment>5001</extracomment>
        <source>&amp;Pause</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <extracomment>5002</extracomment>
        <source>&amp;Resume</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <extracomment>5003</extracomment>
        <source>&amp;Cancel</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message>
        <extracomment>5004</extracomment>
        <source>Re&amp;try</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <extracomment>5005</extracomment>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <extracomment>5006</extracomment>
        <source>Show in &amp;Folder</source>
        <translation>Im &amp;Ordner zeigen</translation>
    </message>
    <message>
        <extracomment>5007</extracomment>
        <source>Re&amp;move from List</source>
        <translation>Aus der Liste &amp;entfernen</translation>
    </message>
    <message>
        <extracomment>5008</extracomment>
        <source>C&amp;lear List</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <extracomment>5009</extracomment>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <extracomment>5010</extracomment>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <extracomment>5011</extracomment>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <extracomment>5012</extracomment>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <extracomment>5013</extracomment>
        <source>Time Left</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <extracomment>5014</extracomment>
        <source>%1 s left</source>
        <translation>noch %1 s</translation>
    </message>
    <message>
        <extracomment>5015</extracomment>
        <source>%1 min left</source>
        <translation>noch %1 min</translation>
    </message>
    <message>
        <extracomment>5016</extracomment>
        <source>%1 h %2 min left</source>
        <translation>noch %1 h %2 min</translation>
    </message>
    <message>
        <extracomment>5017</extracomment>
        <source>Downloads running: %1 (%2%)</source>
        <translation>Laufende Downloads: %1 (%2 %)</translation>
    </message>
    <message>
        <extracomment>5018</extracomment>
        <source>Downloads running: %1 (%2)</source>
        <translation>Laufende Downloads: %1 (%2)</translation>
    </message>
    <message>
        <extracomment>5019</extracomment>
        <source>Complete</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <extracomment>5020</extracomment>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <extracomment>5021</extracomment>
        <source>Failed: %1</source>
        <translation>Fehlgeschlagen: %1</translation>
    </message>
    <message>
        <extracomment>5022</extracomment>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <extracomment>5023</extracomment>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <extracomment>5024</extracomment>
        <source>Save Download As</source>
        <translation>Download speichern unter</translation>
    </message>
    <message>
        <extracomment>5025</extracomment>
        <source>Downloads are still running (%1). Closing Kelvane cancels them.</source>
        <translation>Es laufen noch Downloads (%1). Wenn Sie Kelvane schließen, werden sie abgebrochen.</translation>
    </message>
    <message>
        <extracomment>5026</extracomment>
        <source>Cancel Downloads and &amp;Close</source>
        <translation>Downloads abbrechen und &amp;schließen</translation>
    </message>
    <message>
        <extracomment>5027</extracomment>
        <source>&amp;Keep Kelvane Open</source>
        <translation>Kelvane &amp;offen lassen</translation>
    </message>
    <message>
        <extracomment>5028</extracomment>
        <source>The file is no longer there: %1</source>
        <translation>Die Datei ist nicht mehr da: %1</translation>
    </message>
    <message>
        <extracomment>5029</extracomment>
        <source>&amp;Downloads</source>
        <translation>&amp;Downloads</translation>
    </message>
    <message>
        <extracomment>5030</extracomment>
        <source>the connection broke or the server closed it before the end</source>
        <translation>die Verbindung brach ab oder der Server schloss sie vor dem Ende</translation>
    </message>
    <message>
        <extracomment>5031</extracomment>
        <source>the server took too long to answer</source>
        <translation>der Server antwortete zu spät</translation>
    </message>
    <message>
        <extracomment>5032</extracomment>
        <source>the computer is off line</source>
        <translation>der Computer ist offline</translation>
    </message>
    <message>
        <extracomment>5033</extracomment>
        <source>the server could not be reached</source>
        <translation>der Server war nicht erreichbar</translation>
    </message>
    <message>
        <extracomment>5034</extracomment>
        <source>the server answered with an error</source>
        <translation>der Server antwortete mit einem Fehler</translation>
    </message>
    <message>
        <extracomment>5035</extracomment>
        <source>the server asks for a sign-in</source>
        <translation>der Server verlangt eine Anmeldung</translation>
    </message>
    <message>
        <extracomment>5036</extracomment>
        <source>the server refused to send the file</source>
        <translation>der Server verweigerte die Datei</translation>
    </message>
    <message>
        <extracomment>5037</extracomment>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <extracomment>5038</extracomment>
        <source>the folder or the file may not be written</source>
        <translation>der Ordner oder die Datei darf nicht beschrieben werden</translation>
    </message>
    <message>
        <extracomment>5039</extracomment>
        <source>the file name is too long</source>
        <translation>der Dateiname ist zu lang</translation>
    </message>
    <message>
        <extracomment>5040</extracomment>
        <source>the file is too large for the disk</source>
        <translation>die Datei ist zu groß für den Datenträger</translation>
    </message>
    <message>
        <extracomment>5041</extracomment>
        <source>the file could not be written</source>
        <translation>die Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <extracomment>5042</extracomment>
        <source>the file was blocked</source>
        <translation>die Datei wurde blockiert</translation>
    </message>
    <message>
        <extracomment>5043</extracomment>
        <source>an unknown error</source>
        <translation>ein unbekannter Fehler</translation>
    </message>
    <message>
        <extracomment>5044</extracomment>
        <source>Download complete: %1</source>
        <translation>Download fertig: %1</translation>
    </message>
    <message>
        <extracomment>5045</extracomment>
        <source>Download failed: %1 (%2)</source>
        <translation>Download fehlgeschlagen: %1 (%2)</translation>
    </message>
    <message>
        <extracomment>5046</extracomment>
        <source>its name could not be given to it; the complete file is kept as %1</source>
        <translation>sie konnte ihren Namen nicht erhalten; die vollständige Datei liegt als %1 vor</translation>
    </message>
    <message>
        <extracomment>5047</extracomment>
        <source>No program was found to open %1</source>
        <translation>Es wurde kein Programm gefunden, das %1 öffnet</translation>
    </message>
    <message>
        <extracomment>5050</extracomment>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <extracomment>5051</extracomment>
        <source>&amp;Ask where to save each file</source>
        <translation>Für jede Datei &amp;fragen, wo sie gespeichert wird</translation>
    </message>
    <message>
        <extracomment>5052</extracomment>
        <source>Save files &amp;in:</source>
        <translation>Dateien speichern i&amp;n:</translation>
    </message>
    <message>
        <extracomment>5053</extracomment>
        <source>Choose the Download Folder</source>
        <translation>Download-Ordner wählen</translation>
    </message>
</context>
</TS>
