<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BookmarkFiles</name>
    <message>
        <source>too large for a bookmarks file</source>
        <translation>zu groß für eine Lesezeichendatei</translation>
    </message>
    <message>
        <source>not a Chromium bookmarks file</source>
        <translation>keine Chromium-Lesezeichendatei</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>too large for a bookmark file</source>
        <translation>zu groß für eine Lesezeichendatei</translation>
    </message>
    <message>
        <source>not a bookmark file</source>
        <translation>keine Lesezeichendatei</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver gives no handle</source>
        <translation>der SQLite-Treiber von Qt liefert keinen Zugriff</translation>
    </message>
    <message>
        <source>reading it took too long</source>
        <translation>das Lesen dauerte zu lange</translation>
    </message>
    <message>
        <source>no Firefox bookmarks in it</source>
        <translation>keine Firefox-Lesezeichen darin</translation>
    </message>
    <message>
        <source>no Firefox bookmarks in it (%1)</source>
        <translation>keine Firefox-Lesezeichen darin (%1)</translation>
    </message>
    <message>
        <source>it holds more than %1 bookmarks</source>
        <translation>sie enthält mehr als %1 Lesezeichen</translation>
    </message>
    <message>
        <source>reading it took too long or was cancelled</source>
        <translation>das Lesen dauerte zu lange oder wurde abgebrochen</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed</source>
        <translation>der SQLite-Treiber von Qt ist nicht installiert</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Gestern</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Diese Woche</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Dieser Monat</translation>
    </message>
</context>
<context>
    <name>ImportSummary</name>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>Added %1 and %2.</source>
        <translation>%1 und %2 hinzugefügt.</translation>
    </message>
    <message numerus="yes">
        <source>%n favorites</source>
        <translation>
            <numerusform>%n Favorit</numerusform>
            <numerusform>%n Favoriten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <translation>
            <numerusform>%n Ordner</numerusform>
            <numerusform>%n Ordner</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was added.</source>
        <translation>Nichts wurde hinzugefügt.</translation>
    </message>
    <message numerus="yes">
        <source>%n already in Favorites</source>
        <translation>
            <numerusform>%n schon in den Favoriten</numerusform>
            <numerusform>%n schon in den Favoriten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n javascript: or data: addresses</source>
        <translation>
            <numerusform>%n javascript:- oder data:-Adresse</numerusform>
            <numerusform>%n javascript:- oder data:-Adressen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n without a page address</source>
        <translation>
            <numerusform>%n ohne Seitenadresse</numerusform>
            <numerusform>%n ohne Seitenadresse</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n past the %1 one import takes</source>
        <translation>
            <numerusform>%n über die %1 hinaus, die ein Import übernimmt</numerusform>
            <numerusform>%n über die %1 hinaus, die ein Import übernimmt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n that could not be written</source>
        <translation>
            <numerusform>%n nicht schreibbar</numerusform>
            <numerusform>%n nicht schreibbar</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped: %1.</source>
        <translation>Übersprungen: %1.</translation>
    </message>
</context>
<context>
    <name>OptionsForm</name>
    <message>
        <source>Unseen documents sleep:</source>
        <translation>Ungesehene Dokumente schlafen:</translation>
    </message>
    <message>
        <source>User Links</source>
        <translation>Benutzerlinks</translation>
    </message>
    <message>
        <source>Blocked Sites</source>
        <translation>Gesperrte Websites</translation>
    </message>
    <message>
        <source>Black List</source>
        <translation>Sperrliste</translation>
    </message>
    <message>
        <source>Block Site</source>
        <translation>Website sperren</translation>
    </message>
</context>
<context>
    <name>PermissionQuestion</name>
    <message>
        <source>show notifications</source>
        <translation>Benachrichtigungen anzeigen</translation>
    </message>
    <message>
        <source>know your location</source>
        <translation>Ihren Standort erfahren</translation>
    </message>
    <message>
        <source>use your microphone</source>
        <translation>Ihr Mikrofon verwenden</translation>
    </message>
    <message>
        <source>use your camera</source>
        <translation>Ihre Kamera verwenden</translation>
    </message>
    <message>
        <source>use your camera and microphone</source>
        <translation>Ihre Kamera und Ihr Mikrofon verwenden</translation>
    </message>
    <message>
        <source>see your screen</source>
        <translation>Ihren Bildschirm sehen</translation>
    </message>
    <message>
        <source>take over the mouse pointer</source>
        <translation>den Mauszeiger übernehmen</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Web page, complete (*.htm *.html)</source>
        <translation>Webseite, vollständig (*.htm *.html)</translation>
    </message>
    <message>
        <source>Web page, HTML only (*.htm *.html)</source>
        <translation>Webseite, nur HTML (*.htm *.html)</translation>
    </message>
    <message>
        <source>Web archive, single file (*.mht *.mhtml)</source>
        <translation>Webarchiv, eine Datei (*.mht *.mhtml)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>the address gave no block list</source>
        <translation>die Adresse lieferte keine Sperrliste</translation>
    </message>
    <message>
        <source>the list could not be written to %1</source>
        <translation>die Liste konnte nicht nach %1 geschrieben werden</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Zum Wörterbuch hinzufügen</translation>
    </message>
    <message>
        <source>Inspect</source>
        <translation>Untersuchen</translation>
    </message>
</context>
<context>
    <name>QWebEnginePage</name>
    <message>
        <source>Are you sure you want to leave this page? Changes that you made may not be saved.</source>
        <translation>Möchten Sie diese Seite wirklich verlassen? Von Ihnen vorgenommene Änderungen könnten verlorengehen.</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>More Commands</source>
        <translation>Weitere Befehle</translation>
    </message>
</context>
<context>
    <name>kelvane::AddressPanel</name>
    <message>
        <source>Go</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>Go to the address</source>
        <translation>Zur Adresse gehen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open the address in a new window</source>
        <translation>Die Adresse in einem neuen Fenster öffnen</translation>
    </message>
</context>
<context>
    <name>kelvane::AppearancePage</name>
    <message>
        <source>Kelvane applies this at its next start.</source>
        <translation>Kelvane übernimmt dies beim nächsten Start.</translation>
    </message>
    <message>
        <source>follow the desktop</source>
        <translation>wie der Desktop</translation>
    </message>
    <message>
        <source>light</source>
        <translation>hell</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>dunkel</translation>
    </message>
    <message>
        <source>Page &amp;colours:</source>
        <translation>Seiten&amp;farben:</translation>
    </message>
</context>
<context>
    <name>kelvane::BlockingPage</name>
    <message>
        <source>The last fetch (%1) failed: %2.</source>
        <translation>Der letzte Abruf (%1) schlug fehl: %2.</translation>
    </message>
    <message>
        <source>The copy of %1 is used.</source>
        <translation>Die Kopie vom %1 wird verwendet.</translation>
    </message>
    <message>
        <source>There is no copy yet.</source>
        <translation>Es gibt noch keine Kopie.</translation>
    </message>
    <message>
        <source>Fetched %1.</source>
        <translation>Abgerufen am %1.</translation>
    </message>
    <message>
        <source>Not fetched yet.</source>
        <translation>Noch nicht abgerufen.</translation>
    </message>
    <message>
        <source>%1 rules, %2 skipped.</source>
        <translation>%1 Regeln, %2 übersprungen.</translation>
    </message>
    <message>
        <source>&amp;Block ads and trackers</source>
        <translation>Werbung und Tracker &amp;blockieren</translation>
    </message>
    <message>
        <source>Subscribed lists (fetched weekly)</source>
        <translation>Abonnierte Listen (wöchentlich abgerufen)</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Subscribe to a list</source>
        <translation>Eine Liste abonnieren</translation>
    </message>
    <message>
        <source>Address of the list:</source>
        <translation>Adresse der Liste:</translation>
    </message>
    <message>
        <source>Sites where ads and trackers are allowed</source>
        <translation>Seiten, auf denen Werbung und Tracker erlaubt sind</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Ent&amp;fernen</translation>
    </message>
    <message>
        <source>Lists of your own: every file in %1 (%2 files, %3 rules).</source>
        <translation>Eigene Listen: jede Datei in %1 (%2 Dateien, %3 Regeln).</translation>
    </message>
</context>
<context>
    <name>kelvane::BrowseToolbar</name>
    <message>
        <source>Customize...</source>
        <translation>Anpassen...</translation>
    </message>
</context>
<context>
    <name>kelvane::CertificateQuestion</name>
    <message>
        <source>Certificate Error</source>
        <translation>Zertifikatfehler</translation>
    </message>
    <message>
        <source>Kelvane cannot confirm that this is really %1.</source>
        <translation>Kelvane kann nicht bestätigen, dass dies wirklich %1 ist.</translation>
    </message>
    <message>
        <source>Someone may be pretending to be this site to read or change what you send it. Go on only if you know why its certificate fails, and never for a bank, a shop or a sign-in.</source>
        <translation>Vielleicht gibt sich jemand als diese Seite aus, um mitzulesen oder zu ändern, was Sie senden. Fahren Sie nur fort, wenn Sie wissen, warum das Zertifikat scheitert, und nie bei einer Bank, einem Shop oder einer Anmeldung.</translation>
    </message>
    <message>
        <source>This site has told browsers to accept no exception for it, so it cannot be opened until its certificate is put right.</source>
        <translation>Diese Seite verlangt von Browsern, keine Ausnahme zuzulassen; sie lässt sich erst öffnen, wenn ihr Zertifikat in Ordnung ist.</translation>
    </message>
    <message>
        <source>Address: %1
Engine&apos;s report: %2</source>
        <translation>Adresse: %1
Bericht der Engine: %2</translation>
    </message>
    <message>
        <source>&amp;Go back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Continue to this site</source>
        <translation>Diese Seite &amp;trotzdem öffnen</translation>
    </message>
    <message>
        <source>The site vouches for itself: its certificate is signed by no authority this computer trusts.</source>
        <translation>Die Seite bürgt für sich selbst: Ihr Zertifikat ist von keiner Stelle signiert, der dieser Computer vertraut.</translation>
    </message>
    <message>
        <source>Its certificate is signed by an authority this computer does not trust.</source>
        <translation>Ihr Zertifikat ist von einer Stelle signiert, der dieser Computer nicht vertraut.</translation>
    </message>
    <message>
        <source>Its certificate has expired.</source>
        <translation>Ihr Zertifikat ist abgelaufen.</translation>
    </message>
    <message>
        <source>Its certificate is not valid yet (or this computer&apos;s clock is wrong).</source>
        <translation>Ihr Zertifikat gilt noch nicht (oder die Uhr dieses Computers geht falsch).</translation>
    </message>
    <message>
        <source>Its certificate was issued for another site.</source>
        <translation>Ihr Zertifikat wurde für eine andere Seite ausgestellt.</translation>
    </message>
    <message>
        <source>Its certificate was withdrawn by the authority that issued it.</source>
        <translation>Ihr Zertifikat wurde von der ausstellenden Stelle widerrufen.</translation>
    </message>
    <message>
        <source>It protects the connection with outdated, breakable means.</source>
        <translation>Sie schützt die Verbindung mit veralteten, knackbaren Mitteln.</translation>
    </message>
    <message>
        <source>Its certificate failed the checks.</source>
        <translation>Ihr Zertifikat hat die Prüfung nicht bestanden.</translation>
    </message>
</context>
<context>
    <name>kelvane::CommandSet</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
</context>
<context>
    <name>kelvane::DocumentSet</name>
    <message>
        <source>Active document</source>
        <translation>Aktives Dokument</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 documents asleep</source>
        <translation>
            <numerusform>%n von %1 Dokumenten schläft</numerusform>
            <numerusform>%n von %1 Dokumenten schlafen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kelvane::DocumentWindow</name>
    <message>
        <source>[Private] %1</source>
        <translation>[Privat] %1</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>kelvane::FavoritesTransfer</name>
    <message>
        <source>Import Favorites</source>
        <translation>Favoriten importieren</translation>
    </message>
    <message>
        <source>Export Favorites</source>
        <translation>Favoriten exportieren</translation>
    </message>
    <message>
        <source>Bookmark files</source>
        <translation>Lesezeichendateien</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>From a &amp;Bookmark File...</source>
        <translation>Aus einer &amp;Lesezeichendatei...</translation>
    </message>
    <message>
        <source>The Favorites folder cannot be made.</source>
        <translation>Der Favoritenordner kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The bookmarks of %1 cannot be imported: %2.</source>
        <translation>Die Lesezeichen von %1 können nicht importiert werden: %2.</translation>
    </message>
    <message>
        <source>From %1:
%2</source>
        <translation>Aus %1:
%2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The Favorites were written to %1.</source>
        <translation>Die Favoriten wurden nach %1 geschrieben.</translation>
    </message>
    <message>
        <source>Importing the bookmarks of %1...</source>
        <translation>Lesezeichen von %1 werden importiert...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>kelvane::FavoritesWindow</name>
    <message>
        <source>Favorites folders</source>
        <translation>Favoritenordner</translation>
    </message>
    <message>
        <source>Favorites in the folder</source>
        <translation>Favoriten im Ordner</translation>
    </message>
</context>
<context>
    <name>kelvane::FeatureWindows</name>
    <message>
        <source>Content Blocking</source>
        <translation>Inhaltsblockierung</translation>
    </message>
</context>
<context>
    <name>kelvane::FindBar</name>
    <message>
        <source>Find in page</source>
        <translation>Auf der Seite suchen</translation>
    </message>
    <message>
        <source>Previous match (Shift+Enter)</source>
        <translation>Vorheriger Treffer (Umschalt+Eingabe)</translation>
    </message>
    <message>
        <source>Next match (Enter)</source>
        <translation>Nächster Treffer (Eingabe)</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Keine Treffer</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Schließen (Esc)</translation>
    </message>
    <message>
        <source>%1 matches</source>
        <translation>%1 Treffer</translation>
    </message>
</context>
<context>
    <name>kelvane::FullScreenPage</name>
    <message>
        <source>Press Esc to leave full screen</source>
        <translation>Esc drücken, um den Vollbildmodus zu verlassen</translation>
    </message>
</context>
<context>
    <name>kelvane::HistoryModel</name>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Visited</source>
        <translation>Besucht</translation>
    </message>
</context>
<context>
    <name>kelvane::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Search History</source>
        <translation>Verlauf durchsuchen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open in &amp;New Document</source>
        <translation>In &amp;neuem Dokument öffnen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete All Visits to This Site</source>
        <translation>Alle Besuche dieser Seite löschen</translation>
    </message>
</context>
<context>
    <name>kelvane::InternetOptions</name>
    <message>
        <source>Internet Options</source>
        <translation>Internetoptionen</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Run &amp;JavaScript</source>
        <translation>&amp;JavaScript ausführen</translation>
    </message>
    <message>
        <source>Show &amp;pictures</source>
        <translation>&amp;Bilder anzeigen</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Datenschutz</translation>
    </message>
    <message>
        <source>Accept all cookies</source>
        <translation>Alle Cookies annehmen</translation>
    </message>
    <message>
        <source>Block third-party cookies</source>
        <translation>Cookies von Drittanbietern blockieren</translation>
    </message>
    <message>
        <source>Block all cookies</source>
        <translation>Alle Cookies blockieren</translation>
    </message>
    <message>
        <source>&amp;Cookies:</source>
        <translation>&amp;Cookies:</translation>
    </message>
    <message>
        <source>Temporary internet files</source>
        <translation>Temporäre Internetdateien</translation>
    </message>
    <message>
        <source>&amp;Keep pages on disk for faster viewing</source>
        <translation>Seiten für schnellere Anzeige auf der Festplatte &amp;behalten</translation>
    </message>
    <message>
        <source>Delete browsing data</source>
        <translation>Browserdaten löschen</translation>
    </message>
    <message>
        <source>Temporary internet files, cookies and history will be deleted. Proceed?</source>
        <translation>Temporäre Internetdateien, Cookies und Verlauf werden gelöscht. Fortfahren?</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Rechtschreibung</translation>
    </message>
</context>
<context>
    <name>kelvane::LeaveQuestion</name>
    <message>
        <source>Leave Page</source>
        <translation>Seite verlassen</translation>
    </message>
    <message>
        <source>This page asks whether you want to leave it; what you typed may be lost</source>
        <translation>Diese Seite fragt, ob Sie sie verlassen möchten; Ihre Eingaben könnten verloren gehen</translation>
    </message>
    <message>
        <source>&amp;Stay</source>
        <translation>&amp;Bleiben</translation>
    </message>
    <message>
        <source>&amp;Leave</source>
        <translation>&amp;Verlassen</translation>
    </message>
</context>
<context>
    <name>kelvane::MainMenus</name>
    <message>
        <source>New Private Docu&amp;ment</source>
        <translation>Neues &amp;privates Dokument</translation>
    </message>
    <message>
        <source>I&amp;mport Favorites</source>
        <translation>Favoriten i&amp;mportieren</translation>
    </message>
    <message>
        <source>&amp;Export Favorites...</source>
        <translation>Favoriten e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Go to &amp;Document...</source>
        <translation>Zu &amp;Dokument wechseln...</translation>
    </message>
    <message>
        <source>&amp;Recently Closed</source>
        <translation>&amp;Zuletzt geschlossen</translation>
    </message>
    <message>
        <source>&amp;Reopen Closed Document</source>
        <translation>Geschlossenes Dokument &amp;wieder öffnen</translation>
    </message>
    <message>
        <source>De&amp;veloper Tools</source>
        <translation>Ent&amp;wicklerwerkzeuge</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>Put Other Documents to &amp;Sleep</source>
        <translation>Andere Dokumente &amp;schlafen legen</translation>
    </message>
</context>
<context>
    <name>kelvane::NavigatorPalette</name>
    <message>
        <source>Find a document by title or address</source>
        <translation>Dokument nach Titel oder Adresse suchen</translation>
    </message>
</context>
<context>
    <name>kelvane::NavigatorWindow</name>
    <message>
        <source>Keep visible</source>
        <translation>Sichtbar lassen</translation>
    </message>
    <message>
        <source>Open documents</source>
        <translation>Offene Dokumente</translation>
    </message>
    <message>
        <source>Auto shrink</source>
        <translation>Automatisch verkleinern</translation>
    </message>
</context>
<context>
    <name>kelvane::NotesPane</name>
    <message>
        <source>The notes file %1 could not be read and is left as it is. What you type here is saved in %2.</source>
        <translation>Die Notizdatei %1 ließ sich nicht lesen und bleibt, wie sie ist. Was Sie hier schreiben, wird in %2 gespeichert.</translation>
    </message>
</context>
<context>
    <name>kelvane::OptionsDialog</name>
    <message>
        <source>Permissions</source>
        <translation>Berechtigungen</translation>
    </message>
    <message>
        <source>Custom %1</source>
        <translation>Eigener Link %1</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>Frozen after %1 min, discarded after %2 min</source>
        <translation>Nach %1 min eingefroren, nach %2 min verworfen</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
</context>
<context>
    <name>kelvane::OrganizeFavoritesDialog</name>
    <message>
        <source>Favorites and their folders</source>
        <translation>Favoriten und ihre Ordner</translation>
    </message>
</context>
<context>
    <name>kelvane::PageProperties</name>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Protocol:</source>
        <translation>Protokoll:</translation>
    </message>
    <message>
        <source>Security:</source>
        <translation>Sicherheit:</translation>
    </message>
    <message>
        <source>HyperText Transfer Protocol</source>
        <translation>HyperText Transfer Protocol</translation>
    </message>
    <message>
        <source>HyperText Transfer Protocol with Privacy</source>
        <translation>HyperText Transfer Protocol, verschlüsselt</translation>
    </message>
    <message>
        <source>File Protocol</source>
        <translation>Dateiprotokoll</translation>
    </message>
    <message>
        <source>File Transfer Protocol</source>
        <translation>Dateiübertragungsprotokoll (FTP)</translation>
    </message>
    <message>
        <source>About Protocol</source>
        <translation>About-Protokoll</translation>
    </message>
    <message>
        <source>Source View</source>
        <translation>Quelltextansicht</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>%1 Protocol</source>
        <translation>Protokoll %1</translation>
    </message>
    <message>
        <source>Encrypted connection (HTTPS)</source>
        <translation>Verschlüsselte Verbindung (HTTPS)</translation>
    </message>
    <message>
        <source>Not secure: encrypted, but the site&apos;s certificate failed its checks</source>
        <translation>Nicht sicher: verschlüsselt, aber das Zertifikat der Seite hat die Prüfung nicht bestanden</translation>
    </message>
    <message>
        <source>Not encrypted</source>
        <translation>Nicht verschlüsselt</translation>
    </message>
</context>
<context>
    <name>kelvane::PageQuestions</name>
    <message>
        <source>No program is set up to open %1 links</source>
        <translation>Kein Programm ist für %1-Links eingerichtet</translation>
    </message>
    <message>
        <source>No program could open %1 links</source>
        <translation>Kein Programm konnte %1-Links öffnen</translation>
    </message>
    <message>
        <source>Opening %1 links is blocked (View &gt; Options &gt; Permissions)</source>
        <translation>Das Öffnen von %1-Links ist blockiert (Ansicht &gt; Optionen &gt; Berechtigungen)</translation>
    </message>
    <message>
        <source>Kelvane did not open %1</source>
        <translation>Kelvane hat %1 nicht geöffnet</translation>
    </message>
</context>
<context>
    <name>kelvane::PermissionQuestion</name>
    <message>
        <source>Open in Another Program</source>
        <translation>In anderem Programm öffnen</translation>
    </message>
    <message>
        <source>Site Permission</source>
        <translation>Berechtigung für Seite</translation>
    </message>
    <message>
        <source>%1 wants to %2.</source>
        <translation>%1 möchte %2.</translation>
    </message>
    <message>
        <source>Remember for this site</source>
        <translation>Für diese Seite merken</translation>
    </message>
    <message>
        <source>&amp;Allow</source>
        <translation>&amp;Erlauben</translation>
    </message>
    <message>
        <source>&amp;Block</source>
        <translation>&amp;Blockieren</translation>
    </message>
    <message>
        <source>open %1 links in another program</source>
        <translation>%1-Links in einem anderen Programm öffnen</translation>
    </message>
    <message>
        <source>%1 wants to open this %2 link with the program your desktop has for it.
%3</source>
        <translation>%1 möchte diesen %2-Link mit dem Programm öffnen, das Ihr Desktop dafür hat.
%3</translation>
    </message>
    <message>
        <source>Remember for %1 links of this site</source>
        <translation>Für %1-Links dieser Website merken</translation>
    </message>
</context>
<context>
    <name>kelvane::QuickSearchDialog</name>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
</context>
<context>
    <name>kelvane::RestoreDocumentsDialog</name>
    <message>
        <source>Open Saved Documents</source>
        <translation>Gespeicherte Dokumente öffnen</translation>
    </message>
    <message>
        <source>Kelvane closed unexpectedly the last two times it opened these documents; one of them may be the cause. Choose the documents to open:</source>
        <translation>Kelvane wurde die letzten beiden Male, als es diese Dokumente öffnete, unerwartet beendet; eines davon könnte die Ursache sein. Wählen Sie die Dokumente, die geöffnet werden:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open &amp;None</source>
        <translation>&amp;Keines öffnen</translation>
    </message>
    <message>
        <source>Documents to open</source>
        <translation>Zu öffnende Dokumente</translation>
    </message>
</context>
<context>
    <name>kelvane::SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>%1 asks for a user name and password.</source>
        <translation>%1 verlangt einen Benutzernamen und ein Passwort.</translation>
    </message>
    <message>
        <source>The proxy %1 asks for a user name and password to reach %2.</source>
        <translation>Der Proxy %1 verlangt einen Benutzernamen und ein Passwort, um %2 zu erreichen.</translation>
    </message>
    <message>
        <source>The server says: “%1”</source>
        <translation>Der Server sagt: „%1“</translation>
    </message>
    <message>
        <source>The user name or password was not accepted. Try again.</source>
        <translation>Benutzername oder Passwort wurde nicht angenommen. Versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>&amp;Sign in</source>
        <translation>&amp;Anmelden</translation>
    </message>
    <message>
        <source>This connection is not encrypted: the password is sent unencrypted, and others on the network can read it.</source>
        <translation>Diese Verbindung ist nicht verschlüsselt: Das Passwort wird unverschlüsselt gesendet, andere im Netz können es lesen.</translation>
    </message>
</context>
<context>
    <name>kelvane::SitePermissionsPage</name>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Sites you answered with “Remember”. Remove an answer to be asked again.</source>
        <translation>Seiten, deren Antwort Sie sich merken ließen. Entfernen Sie eine Antwort, um wieder gefragt zu werden.</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Asked to</source>
        <translation>Anfrage</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Erlaubt</translation>
    </message>
    <message>
        <source>Blocked</source>
        <translation>Blockiert</translation>
    </message>
    <message>
        <source>Remembered answers</source>
        <translation>Gemerkte Antworten</translation>
    </message>
</context>
<context>
    <name>kelvane::StatusBar</name>
    <message>
        <source>Not secure</source>
        <translation>Nicht sicher</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Not encrypted</source>
        <translation>Nicht verschlüsselt</translation>
    </message>
    <message>
        <source>Page loading</source>
        <translation>Laden der Seite</translation>
    </message>
    <message>
        <source>Popups allowed</source>
        <translation>Popups erlaubt</translation>
    </message>
    <message>
        <source>Popups blocked</source>
        <translation>Popups blockiert</translation>
    </message>
    <message>
        <source>Popups killed this session: %1</source>
        <translation>In dieser Sitzung blockierte Popups: %1</translation>
    </message>
    <message>
        <source>No popups killed this session</source>
        <translation>In dieser Sitzung wurden keine Popups blockiert</translation>
    </message>
    <message>
        <source>Encrypted connection</source>
        <translation>Verschlüsselte Verbindung</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <source>Blocking of ads and trackers is off</source>
        <translation>Das Blockieren von Werbung und Trackern ist aus</translation>
    </message>
    <message>
        <source>Ads and trackers allowed on this site</source>
        <translation>Werbung und Tracker auf dieser Seite erlaubt</translation>
    </message>
    <message>
        <source>Requests blocked on this page: %1</source>
        <translation>Auf dieser Seite blockierte Anfragen: %1</translation>
    </message>
    <message>
        <source>Allow ads and trackers on %1</source>
        <translation>Werbung und Tracker auf %1 erlauben</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>blocked site</source>
        <translation>gesperrte Website</translation>
    </message>
    <message>
        <source>blocked site, from %1</source>
        <translation>gesperrte Website, von %1</translation>
    </message>
</context>
<context>
    <name>kelvane::SuggestionList</name>
    <message>
        <source>Typed address</source>
        <translation>Eingegebene Adresse</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favorit</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
</context>
<context>
    <name>kelvane::TabBar</name>
    <message>
        <source>Untitled document</source>
        <translation>Dokument ohne Titel</translation>
    </message>
</context>
<context>
    <name>kelvane::ToolbarCustomizeDialog</name>
    <message>
        <source>Separator</source>
        <translation>Trennlinie</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Customize Toolbar</source>
        <translation>Symbolleiste anpassen</translation>
    </message>
    <message>
        <source>&amp;Buttons shown on the toolbar, in their order:</source>
        <translation>&amp;Schaltflächen der Symbolleiste, in ihrer Reihenfolge:</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Show every button in its original place</source>
        <translation>Jede Schaltfläche an ihrem ursprünglichen Platz zeigen</translation>
    </message>
    <message>
        <source>Buttons shown on the toolbar</source>
        <translation>Schaltflächen der Symbolleiste</translation>
    </message>
</context>
<context>
    <name>kelvane::WebEngine</name>
    <message>
        <source>This page stopped working.</source>
        <translation>Diese Seite funktioniert nicht mehr.</translation>
    </message>
    <message>
        <source>Reload the page</source>
        <translation>Seite neu laden</translation>
    </message>
    <message>
        <source>Developer Tools - %1</source>
        <translation>Entwicklerwerkzeuge – %1</translation>
    </message>
    <message>
        <source>Sign-in cancelled</source>
        <translation>Anmeldung abgebrochen</translation>
    </message>
    <message>
        <source>%1 asks for a user name and password to show this page. The sign-in was cancelled, so the page is not shown.</source>
        <translation>%1 verlangt einen Benutzernamen und ein Passwort, um diese Seite zu zeigen. Die Anmeldung wurde abgebrochen, daher wird die Seite nicht angezeigt.</translation>
    </message>
    <message>
        <source>%1: sign-in cancelled</source>
        <translation>%1: Anmeldung abgebrochen</translation>
    </message>
</context>
</TS>
