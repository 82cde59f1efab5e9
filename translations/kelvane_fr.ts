<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BookmarkFiles</name>
    <message>
        <source>too large for a bookmarks file</source>
        <translation>trop grand pour un fichier de marque-pages</translation>
    </message>
    <message>
        <source>not a Chromium bookmarks file</source>
        <translation>pas un fichier de marque-pages Chromium</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>too large for a bookmark file</source>
        <translation>trop grand pour un fichier de marque-pages</translation>
    </message>
    <message>
        <source>not a bookmark file</source>
        <translation>pas un fichier de marque-pages</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver gives no handle</source>
        <translation>le pilote SQLite de Qt ne donne pas d&apos;accès</translation>
    </message>
    <message>
        <source>reading it took too long</source>
        <translation>la lecture a pris trop de temps</translation>
    </message>
    <message>
        <source>no Firefox bookmarks in it</source>
        <translation>aucun marque-page Firefox dedans</translation>
    </message>
    <message>
        <source>no Firefox bookmarks in it (%1)</source>
        <translation>aucun marque-page Firefox dedans (%1)</translation>
    </message>
    <message>
        <source>it holds more than %1 bookmarks</source>
        <translation>il contient plus de %1 marque-pages</translation>
    </message>
    <message>
        <source>reading it took too long or was cancelled</source>
        <translation>la lecture a pris trop de temps ou a été annulée</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed</source>
        <translation>le pilote SQLite de Qt n&apos;est pas installé</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Hier</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Cette semaine</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Ce mois-ci</translation>
    </message>
</context>
<context>
    <name>ImportSummary</name>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>Added %1 and %2.</source>
        <translation>%1 et %2 ajoutés.</translation>
    </message>
    <message numerus="yes">
        <source>%n favorites</source>
        <translation>
            <numerusform>%n favori</numerusform>
            <numerusform>%n favoris</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <translation>
            <numerusform>%n dossier</numerusform>
            <numerusform>%n dossiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was added.</source>
        <translation>Rien n&apos;a été ajouté.</translation>
    </message>
    <message numerus="yes">
        <source>%n already in Favorites</source>
        <translation>
            <numerusform>%n déjà dans les Favoris</numerusform>
            <numerusform>%n déjà dans les Favoris</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n javascript: or data: addresses</source>
        <translation>
            <numerusform>%n adresse javascript: ou data:</numerusform>
            <numerusform>%n adresses javascript: ou data:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n without a page address</source>
        <translation>
            <numerusform>%n sans adresse de page</numerusform>
            <numerusform>%n sans adresse de page</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n past the %1 one import takes</source>
        <translation>
            <numerusform>%n au-delà des %1 qu&apos;une importation accepte</numerusform>
            <numerusform>%n au-delà des %1 qu&apos;une importation accepte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n that could not be written</source>
        <translation>
            <numerusform>%n impossible à écrire</numerusform>
            <numerusform>%n impossibles à écrire</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped: %1.</source>
        <translation>Ignorés : %1.</translation>
    </message>
</context>
<context>
    <name>OptionsForm</name>
    <message>
        <source>Unseen documents sleep:</source>
        <translation>Les documents non vus dorment :</translation>
    </message>
    <message>
        <source>User Links</source>
        <translation>Liens personnalisés</translation>
    </message>
    <message>
        <source>Blocked Sites</source>
        <translation>Sites bloqués</translation>
    </message>
    <message>
        <source>Black List</source>
        <translation>Liste noire</translation>
    </message>
    <message>
        <source>Block Site</source>
        <translation>Bloquer un site</translation>
    </message>
</context>
<context>
    <name>PermissionQuestion</name>
    <message>
        <source>show notifications</source>
        <translation>afficher des notifications</translation>
    </message>
    <message>
        <source>know your location</source>
        <translation>connaître votre position</translation>
    </message>
    <message>
        <source>use your microphone</source>
        <translation>utiliser votre microphone</translation>
    </message>
    <message>
        <source>use your camera</source>
        <translation>utiliser votre caméra</translation>
    </message>
    <message>
        <source>use your camera and microphone</source>
        <translation>utiliser votre caméra et votre microphone</translation>
    </message>
    <message>
        <source>see your screen</source>
        <translation>voir votre écran</translation>
    </message>
    <message>
        <source>take over the mouse pointer</source>
        <translation>prendre le contrôle du pointeur</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Web page, complete (*.htm *.html)</source>
        <translation>Page web complète (*.htm *.html)</translation>
    </message>
    <message>
        <source>Web page, HTML only (*.htm *.html)</source>
        <translation>Page web, HTML seul (*.htm *.html)</translation>
    </message>
    <message>
        <source>Web archive, single file (*.mht *.mhtml)</source>
        <translation>Archive web, fichier unique (*.mht *.mhtml)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>the address gave no block list</source>
        <translation>l&apos;adresse n&apos;a fourni aucune liste de blocage</translation>
    </message>
    <message>
        <source>the list could not be written to %1</source>
        <translation>la liste n&apos;a pas pu être écrite dans %1</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Ajouter au dictionnaire</translation>
    </message>
    <message>
        <source>Inspect</source>
        <translation>Inspecter</translation>
    </message>
</context>
<context>
    <name>QWebEnginePage</name>
    <message>
        <source>Are you sure you want to leave this page? Changes that you made may not be saved.</source>
        <translation>Voulez-vous vraiment quitter cette page ? Les modifications que vous avez faites pourraient ne pas être enregistrées.</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>More Commands</source>
        <translation>Plus de commandes</translation>
    </message>
</context>
<context>
    <name>kelvane::AddressPanel</name>
    <message>
        <source>Go</source>
        <translation>Aller</translation>
    </message>
    <message>
        <source>Go to the address</source>
        <translation>Aller à l&apos;adresse</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open the address in a new window</source>
        <translation>Ouvrir l&apos;adresse dans une nouvelle fenêtre</translation>
    </message>
</context>
<context>
    <name>kelvane::AppearancePage</name>
    <message>
        <source>Kelvane applies this at its next start.</source>
        <translation>Kelvane l&apos;appliquera à son prochain démarrage.</translation>
    </message>
    <message>
        <source>follow the desktop</source>
        <translation>comme le bureau</translation>
    </message>
    <message>
        <source>light</source>
        <translation>claires</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>sombres</translation>
    </message>
    <message>
        <source>Page &amp;colours:</source>
        <translation>&amp;Couleurs des pages :</translation>
    </message>
</context>
<context>
    <name>kelvane::BlockingPage</name>
    <message>
        <source>The last fetch (%1) failed: %2.</source>
        <translation>La dernière récupération (%1) a échoué : %2.</translation>
    </message>
    <message>
        <source>The copy of %1 is used.</source>
        <translation>La copie du %1 est utilisée.</translation>
    </message>
    <message>
        <source>There is no copy yet.</source>
        <translation>Il n&apos;y a pas encore de copie.</translation>
    </message>
    <message>
        <source>Fetched %1.</source>
        <translation>Récupérée le %1.</translation>
    </message>
    <message>
        <source>Not fetched yet.</source>
        <translation>Pas encore récupérée.</translation>
    </message>
    <message>
        <source>%1 rules, %2 skipped.</source>
        <translation>%1 règles, %2 ignorées.</translation>
    </message>
    <message>
        <source>&amp;Block ads and trackers</source>
        <translation>&amp;Bloquer publicités et traqueurs</translation>
    </message>
    <message>
        <source>Subscribed lists (fetched weekly)</source>
        <translation>Listes abonnées (récupérées chaque semaine)</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Ajouter...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Subscribe to a list</source>
        <translation>S&apos;abonner à une liste</translation>
    </message>
    <message>
        <source>Address of the list:</source>
        <translation>Adresse de la liste :</translation>
    </message>
    <message>
        <source>Sites where ads and trackers are allowed</source>
        <translation>Sites où publicités et traqueurs sont autorisés</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Re&amp;tirer</translation>
    </message>
    <message>
        <source>Lists of your own: every file in %1 (%2 files, %3 rules).</source>
        <translation>Vos propres listes : chaque fichier de %1 (%2 fichiers, %3 règles).</translation>
    </message>
</context>
<context>
    <name>kelvane::BrowseToolbar</name>
    <message>
        <source>Customize...</source>
        <translation>Personnaliser...</translation>
    </message>
</context>
<context>
    <name>kelvane::CertificateQuestion</name>
    <message>
        <source>Certificate Error</source>
        <translation>Erreur de certificat</translation>
    </message>
    <message>
        <source>Kelvane cannot confirm that this is really %1.</source>
        <translation>Kelvane ne peut pas confirmer qu&apos;il s&apos;agit vraiment de %1.</translation>
    </message>
    <message>
        <source>Someone may be pretending to be this site to read or change what you send it. Go on only if you know why its certificate fails, and never for a bank, a shop or a sign-in.</source>
        <translation>Quelqu&apos;un se fait peut-être passer pour ce site afin de lire ou de modifier ce que vous lui envoyez. Ne continuez que si vous savez pourquoi son certificat échoue, et jamais pour une banque, une boutique ou une connexion.</translation>
    </message>
    <message>
        <source>This site has told browsers to accept no exception for it, so it cannot be opened until its certificate is put right.</source>
        <translation>Ce site demande aux navigateurs de n&apos;accepter aucune exception : il ne peut pas être ouvert tant que son certificat n&apos;est pas corrigé.</translation>
    </message>
    <message>
        <source>Address: %1
Engine&apos;s report: %2</source>
        <translation>Adresse : %1
Rapport du moteur : %2</translation>
    </message>
    <message>
        <source>&amp;Go back</source>
        <translation>&amp;Revenir</translation>
    </message>
    <message>
        <source>&amp;Continue to this site</source>
        <translation>&amp;Continuer vers ce site</translation>
    </message>
    <message>
        <source>The site vouches for itself: its certificate is signed by no authority this computer trusts.</source>
        <translation>Le site se porte garant de lui-même : son certificat n&apos;est signé par aucune autorité reconnue par cet ordinateur.</translation>
    </message>
    <message>
        <source>Its certificate is signed by an authority this computer does not trust.</source>
        <translation>Son certificat est signé par une autorité que cet ordinateur ne reconnaît pas.</translation>
    </message>
    <message>
        <source>Its certificate has expired.</source>
        <translation>Son certificat a expiré.</translation>
    </message>
    <message>
        <source>Its certificate is not valid yet (or this computer&apos;s clock is wrong).</source>
        <translation>Son certificat n&apos;est pas encore valide (ou l&apos;horloge de cet ordinateur est fausse).</translation>
    </message>
    <message>
        <source>Its certificate was issued for another site.</source>
        <translation>Son certificat a été émis pour un autre site.</translation>
    </message>
    <message>
        <source>Its certificate was withdrawn by the authority that issued it.</source>
        <translation>Son certificat a été révoqué par l&apos;autorité qui l&apos;a émis.</translation>
    </message>
    <message>
        <source>It protects the connection with outdated, breakable means.</source>
        <translation>Il protège la connexion par des moyens dépassés et cassables.</translation>
    </message>
    <message>
        <source>Its certificate failed the checks.</source>
        <translation>Son certificat n&apos;a pas passé les vérifications.</translation>
    </message>
</context>
<context>
    <name>kelvane::CommandSet</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
</context>
<context>
    <name>kelvane::DocumentSet</name>
    <message>
        <source>Active document</source>
        <translation>Document actif</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 documents asleep</source>
        <translation>
            <numerusform>%n document sur %1 en veille</numerusform>
            <numerusform>%n documents sur %1 en veille</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kelvane::DocumentWindow</name>
    <message>
        <source>[Private] %1</source>
        <translation>[Privé] %1</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>kelvane::FavoritesTransfer</name>
    <message>
        <source>Import Favorites</source>
        <translation>Importer des favoris</translation>
    </message>
    <message>
        <source>Export Favorites</source>
        <translation>Exporter les favoris</translation>
    </message>
    <message>
        <source>Bookmark files</source>
        <translation>Fichiers de signets</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>From a &amp;Bookmark File...</source>
        <translation>Depuis un fichier de &amp;signets...</translation>
    </message>
    <message>
        <source>The Favorites folder cannot be made.</source>
        <translation>Le dossier des favoris ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The bookmarks of %1 cannot be imported: %2.</source>
        <translation>Les signets de %1 ne peuvent pas être importés : %2.</translation>
    </message>
    <message>
        <source>From %1:
%2</source>
        <translation>Depuis %1 :
%2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>%1 ne peut pas être écrit : %2.</translation>
    </message>
    <message>
        <source>The Favorites were written to %1.</source>
        <translation>Les favoris ont été écrits dans %1.</translation>
    </message>
    <message>
        <source>Importing the bookmarks of %1...</source>
        <translation>Importation des marque-pages de %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>kelvane::FavoritesWindow</name>
    <message>
        <source>Favorites folders</source>
        <translation>Dossiers des favoris</translation>
    </message>
    <message>
        <source>Favorites in the folder</source>
        <translation>Favoris du dossier</translation>
    </message>
</context>
<context>
    <name>kelvane::FeatureWindows</name>
    <message>
        <source>Content Blocking</source>
        <translation>Blocage de contenu</translation>
    </message>
</context>
<context>
    <name>kelvane::FindBar</name>
    <message>
        <source>Find in page</source>
        <translation>Rechercher dans la page</translation>
    </message>
    <message>
        <source>Previous match (Shift+Enter)</source>
        <translation>Résultat précédent (Maj+Entrée)</translation>
    </message>
    <message>
        <source>Next match (Enter)</source>
        <translation>Résultat suivant (Entrée)</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Aucun résultat</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Fermer (Échap)</translation>
    </message>
    <message>
        <source>%1 matches</source>
        <translation>%1 résultats</translation>
    </message>
</context>
<context>
    <name>kelvane::FullScreenPage</name>
    <message>
        <source>Press Esc to leave full screen</source>
        <translation>Appuyez sur Échap pour quitter le plein écran</translation>
    </message>
</context>
<context>
    <name>kelvane::HistoryModel</name>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Visited</source>
        <translation>Visité</translation>
    </message>
</context>
<context>
    <name>kelvane::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Search History</source>
        <translation>Rechercher dans l&apos;historique</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Open in &amp;New Document</source>
        <translation>Ouvrir dans un &amp;nouveau document</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Delete All Visits to This Site</source>
        <translation>Supprimer toutes les visites de ce site</translation>
    </message>
</context>
<context>
    <name>kelvane::InternetOptions</name>
    <message>
        <source>Internet Options</source>
        <translation>Options Internet</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenu</translation>
    </message>
    <message>
        <source>Run &amp;JavaScript</source>
        <translation>Exécuter &amp;JavaScript</translation>
    </message>
    <message>
        <source>Show &amp;pictures</source>
        <translation>Afficher les &amp;images</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Confidentialité</translation>
    </message>
    <message>
        <source>Accept all cookies</source>
        <translation>Accepter tous les cookies</translation>
    </message>
    <message>
        <source>Block third-party cookies</source>
        <translation>Bloquer les cookies tiers</translation>
    </message>
    <message>
        <source>Block all cookies</source>
        <translation>Bloquer tous les cookies</translation>
    </message>
    <message>
        <source>&amp;Cookies:</source>
        <translation>&amp;Cookies :</translation>
    </message>
    <message>
        <source>Temporary internet files</source>
        <translation>Fichiers Internet temporaires</translation>
    </message>
    <message>
        <source>&amp;Keep pages on disk for faster viewing</source>
        <translation>&amp;Garder les pages sur le disque pour un affichage plus rapide</translation>
    </message>
    <message>
        <source>Delete browsing data</source>
        <translation>Supprimer les données de navigation</translation>
    </message>
    <message>
        <source>Temporary internet files, cookies and history will be deleted. Proceed?</source>
        <translation>Les fichiers Internet temporaires, les cookies et l&apos;historique seront supprimés. Continuer ?</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Orthographe</translation>
    </message>
</context>
<context>
    <name>kelvane::LeaveQuestion</name>
    <message>
        <source>Leave Page</source>
        <translation>Quitter la page</translation>
    </message>
    <message>
        <source>This page asks whether you want to leave it; what you typed may be lost</source>
        <translation>Cette page demande si vous voulez la quitter ; ce que vous avez saisi pourrait être perdu</translation>
    </message>
    <message>
        <source>&amp;Stay</source>
        <translation>&amp;Rester</translation>
    </message>
    <message>
        <source>&amp;Leave</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>kelvane::MainMenus</name>
    <message>
        <source>New Private Docu&amp;ment</source>
        <translation>Nouveau document pri&amp;vé</translation>
    </message>
    <message>
        <source>I&amp;mport Favorites</source>
        <translation>I&amp;mporter des favoris</translation>
    </message>
    <message>
        <source>&amp;Export Favorites...</source>
        <translation>E&amp;xporter les favoris...</translation>
    </message>
    <message>
        <source>Go to &amp;Document...</source>
        <translation>Aller au &amp;document...</translation>
    </message>
    <message>
        <source>&amp;Recently Closed</source>
        <translation>&amp;Fermés récemment</translation>
    </message>
    <message>
        <source>&amp;Reopen Closed Document</source>
        <translation>&amp;Rouvrir le document fermé</translation>
    </message>
    <message>
        <source>De&amp;veloper Tools</source>
        <translation>Outils de dé&amp;veloppement</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historique</translation>
    </message>
    <message>
        <source>Put Other Documents to &amp;Sleep</source>
        <translation>&amp;Mettre les autres documents en veille</translation>
    </message>
</context>
<context>
    <name>kelvane::NavigatorPalette</name>
    <message>
        <source>Find a document by title or address</source>
        <translation>Chercher un document par titre ou adresse</translation>
    </message>
</context>
<context>
    <name>kelvane::NavigatorWindow</name>
    <message>
        <source>Keep visible</source>
        <translation>Garder visible</translation>
    </message>
    <message>
        <source>Open documents</source>
        <translation>Documents ouverts</translation>
    </message>
    <message>
        <source>Auto shrink</source>
        <translation>Réduire automatiquement</translation>
    </message>
</context>
<context>
    <name>kelvane::NotesPane</name>
    <message>
        <source>The notes file %1 could not be read and is left as it is. What you type here is saved in %2.</source>
        <translation>Le fichier de notes %1 n&apos;a pas pu être lu et reste tel quel. Ce que vous tapez ici est enregistré dans %2.</translation>
    </message>
</context>
<context>
    <name>kelvane::OptionsDialog</name>
    <message>
        <source>Permissions</source>
        <translation>Autorisations</translation>
    </message>
    <message>
        <source>Custom %1</source>
        <translation>Lien personnel %1</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Frozen after %1 min, discarded after %2 min</source>
        <translation>Gelés après %1 min, abandonnés après %2 min</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
</context>
<context>
    <name>kelvane::OrganizeFavoritesDialog</name>
    <message>
        <source>Favorites and their folders</source>
        <translation>Favoris et leurs dossiers</translation>
    </message>
</context>
<context>
    <name>kelvane::PageProperties</name>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre :</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse :</translation>
    </message>
    <message>
        <source>Protocol:</source>
        <translation>Protocole :</translation>
    </message>
    <message>
        <source>Security:</source>
        <translation>Sécurité :</translation>
    </message>
    <message>
        <source>HyperText Transfer Protocol</source>
        <translation>Protocole de transfert hypertexte</translation>
    </message>
    <message>
        <source>HyperText Transfer Protocol with Privacy</source>
        <translation>Protocole de transfert hypertexte sécurisé</translation>
    </message>
    <message>
        <source>File Protocol</source>
        <translation>Protocole de fichier</translation>
    </message>
    <message>
        <source>File Transfer Protocol</source>
        <translation>Protocole de transfert de fichiers</translation>
    </message>
    <message>
        <source>About Protocol</source>
        <translation>Protocole About</translation>
    </message>
    <message>
        <source>Source View</source>
        <translation>Affichage du source</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>%1 Protocol</source>
        <translation>Protocole %1</translation>
    </message>
    <message>
        <source>Encrypted connection (HTTPS)</source>
        <translation>Connexion chiffrée (HTTPS)</translation>
    </message>
    <message>
        <source>Not secure: encrypted, but the site&apos;s certificate failed its checks</source>
        <translation>Non sécurisé : chiffré, mais le certificat du site n&apos;a pas passé les vérifications</translation>
    </message>
    <message>
        <source>Not encrypted</source>
        <translation>Non chiffré</translation>
    </message>
</context>
<context>
    <name>kelvane::PageQuestions</name>
    <message>
        <source>No program is set up to open %1 links</source>
        <translation>Aucun programme n&apos;est configuré pour les liens %1</translation>
    </message>
    <message>
        <source>No program could open %1 links</source>
        <translation>Aucun programme n&apos;a pu ouvrir les liens %1</translation>
    </message>
    <message>
        <source>Opening %1 links is blocked (View &gt; Options &gt; Permissions)</source>
        <translation>L&apos;ouverture des liens %1 est bloquée (Affichage &gt; Options &gt; Autorisations)</translation>
    </message>
    <message>
        <source>Kelvane did not open %1</source>
        <translation>Kelvane n&apos;a pas ouvert %1</translation>
    </message>
</context>
<context>
    <name>kelvane::PermissionQuestion</name>
    <message>
        <source>Open in Another Program</source>
        <translation>Ouvrir dans un autre programme</translation>
    </message>
    <message>
        <source>Site Permission</source>
        <translation>Autorisation du site</translation>
    </message>
    <message>
        <source>%1 wants to %2.</source>
        <translation>%1 souhaite %2.</translation>
    </message>
    <message>
        <source>Remember for this site</source>
        <translation>Retenir pour ce site</translation>
    </message>
    <message>
        <source>&amp;Allow</source>
        <translation>&amp;Autoriser</translation>
    </message>
    <message>
        <source>&amp;Block</source>
        <translation>&amp;Bloquer</translation>
    </message>
    <message>
        <source>open %1 links in another program</source>
        <translation>ouvrir les liens %1 dans un autre programme</translation>
    </message>
    <message>
        <source>%1 wants to open this %2 link with the program your desktop has for it.
%3</source>
        <translation>%1 veut ouvrir ce lien %2 avec le programme prévu par votre bureau.
%3</translation>
    </message>
    <message>
        <source>Remember for %1 links of this site</source>
        <translation>Retenir pour les liens %1 de ce site</translation>
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
        <translation>Groupes</translation>
    </message>
</context>
<context>
    <name>kelvane::RestoreDocumentsDialog</name>
    <message>
        <source>Open Saved Documents</source>
        <translation>Ouvrir les documents enregistrés</translation>
    </message>
    <message>
        <source>Kelvane closed unexpectedly the last two times it opened these documents; one of them may be the cause. Choose the documents to open:</source>
        <translation>Kelvane s&apos;est fermé de façon inattendue les deux dernières fois qu&apos;il a ouvert ces documents ; l&apos;un d&apos;eux en est peut-être la cause. Choisissez les documents à ouvrir :</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Open &amp;None</source>
        <translation>N&apos;en ouvrir &amp;aucun</translation>
    </message>
    <message>
        <source>Documents to open</source>
        <translation>Documents à ouvrir</translation>
    </message>
</context>
<context>
    <name>kelvane::SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>%1 asks for a user name and password.</source>
        <translation>%1 demande un nom d&apos;utilisateur et un mot de passe.</translation>
    </message>
    <message>
        <source>The proxy %1 asks for a user name and password to reach %2.</source>
        <translation>Le proxy %1 demande un nom d&apos;utilisateur et un mot de passe pour joindre %2.</translation>
    </message>
    <message>
        <source>The server says: “%1”</source>
        <translation>Le serveur indique : « %1 »</translation>
    </message>
    <message>
        <source>The user name or password was not accepted. Try again.</source>
        <translation>Le nom d&apos;utilisateur ou le mot de passe a été refusé. Réessayez.</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nom d&apos;&amp;utilisateur :</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Mot de &amp;passe :</translation>
    </message>
    <message>
        <source>&amp;Sign in</source>
        <translation>&amp;Se connecter</translation>
    </message>
    <message>
        <source>This connection is not encrypted: the password is sent unencrypted, and others on the network can read it.</source>
        <translation>Cette connexion n&apos;est pas chiffrée : le mot de passe est envoyé en clair et d&apos;autres personnes du réseau peuvent le lire.</translation>
    </message>
</context>
<context>
    <name>kelvane::SitePermissionsPage</name>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Sites you answered with “Remember”. Remove an answer to be asked again.</source>
        <translation>Sites dont vous avez retenu la réponse. Retirez une réponse pour que la question soit reposée.</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Asked to</source>
        <translation>Demande</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Autorisé</translation>
    </message>
    <message>
        <source>Blocked</source>
        <translation>Bloqué</translation>
    </message>
    <message>
        <source>Remembered answers</source>
        <translation>Réponses retenues</translation>
    </message>
</context>
<context>
    <name>kelvane::StatusBar</name>
    <message>
        <source>Not secure</source>
        <translation>Non sécurisé</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Not encrypted</source>
        <translation>Non chiffré</translation>
    </message>
    <message>
        <source>Page loading</source>
        <translation>Chargement de la page</translation>
    </message>
    <message>
        <source>Popups allowed</source>
        <translation>Popups autorisés</translation>
    </message>
    <message>
        <source>Popups blocked</source>
        <translation>Popups bloqués</translation>
    </message>
    <message>
        <source>Popups killed this session: %1</source>
        <translation>Popups bloqués pendant cette session : %1</translation>
    </message>
    <message>
        <source>No popups killed this session</source>
        <translation>Aucun popup bloqué pendant cette session</translation>
    </message>
    <message>
        <source>Encrypted connection</source>
        <translation>Connexion chiffrée</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>Blocking of ads and trackers is off</source>
        <translation>Le blocage des publicités et traqueurs est désactivé</translation>
    </message>
    <message>
        <source>Ads and trackers allowed on this site</source>
        <translation>Publicités et traqueurs autorisés sur ce site</translation>
    </message>
    <message>
        <source>Requests blocked on this page: %1</source>
        <translation>Requêtes bloquées sur cette page : %1</translation>
    </message>
    <message>
        <source>Allow ads and trackers on %1</source>
        <translation>Autoriser publicités et traqueurs sur %1</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>depuis %1</translation>
    </message>
    <message>
        <source>blocked site</source>
        <translation>site bloqué</translation>
    </message>
    <message>
        <source>blocked site, from %1</source>
        <translation>site bloqué, depuis %1</translation>
    </message>
</context>
<context>
    <name>kelvane::SuggestionList</name>
    <message>
        <source>Typed address</source>
        <translation>Adresse saisie</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favori</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
</context>
<context>
    <name>kelvane::TabBar</name>
    <message>
        <source>Untitled document</source>
        <translation>Document sans titre</translation>
    </message>
</context>
<context>
    <name>kelvane::ToolbarCustomizeDialog</name>
    <message>
        <source>Separator</source>
        <translation>Séparateur</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>Customize Toolbar</source>
        <translation>Personnaliser la barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Buttons shown on the toolbar, in their order:</source>
        <translation>&amp;Boutons affichés dans la barre, dans leur ordre :</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>Show every button in its original place</source>
        <translation>Remettre chaque bouton à sa place d&apos;origine</translation>
    </message>
    <message>
        <source>Buttons shown on the toolbar</source>
        <translation>Boutons de la barre d&apos;outils</translation>
    </message>
</context>
<context>
    <name>kelvane::WebEngine</name>
    <message>
        <source>This page stopped working.</source>
        <translation>Cette page a cessé de fonctionner.</translation>
    </message>
    <message>
        <source>Reload the page</source>
        <translation>Recharger la page</translation>
    </message>
    <message>
        <source>Developer Tools - %1</source>
        <translation>Outils de développement – %1</translation>
    </message>
    <message>
        <source>Sign-in cancelled</source>
        <translation>Connexion annulée</translation>
    </message>
    <message>
        <source>%1 asks for a user name and password to show this page. The sign-in was cancelled, so the page is not shown.</source>
        <translation>%1 demande un nom d&apos;utilisateur et un mot de passe pour afficher cette page. La connexion a été annulée, la page n&apos;est donc pas affichée.</translation>
    </message>
    <message>
        <source>%1: sign-in cancelled</source>
        <translation>%1 : connexion annulée</translation>
    </message>
</context>
</TS>
