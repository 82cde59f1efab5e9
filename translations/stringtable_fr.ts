<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>StringTable</name>
    <message>
        <extracomment>101</extracomment>
        <source>A multiple-document web browser for the Linux desktop, built on Qt and Qt WebEngine by the Kelvane developers.</source>
        <translation>Un navigateur web multi-documents pour le bureau Linux, construit sur Qt et Qt WebEngine par les développeurs de Kelvane.</translation>
    </message>
    <message>
        <extracomment>103</extracomment>
        <source>Warning: ...</source>
        <translation>Avertissement : ...</translation>
    </message>
    <message>
        <extracomment>104 1051</extracomment>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <extracomment>500</extracomment>
        <source>About Kelvane</source>
        <translation>À propos de Kelvane</translation>
    </message>
    <message>
        <extracomment>501</extracomment>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <extracomment>1000</extracomment>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <extracomment>1001</extracomment>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <extracomment>1002</extracomment>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <extracomment>1003</extracomment>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <extracomment>1004</extracomment>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <extracomment>1005</extracomment>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <extracomment>1006</extracomment>
        <source>Save A&amp;ll</source>
        <translation>Tout enre&amp;gistrer</translation>
    </message>
    <message>
        <extracomment>1007</extracomment>
        <source>Propert&amp;ies</source>
        <translation>Propr&amp;iétés</translation>
    </message>
    <message>
        <extracomment>1008</extracomment>
        <source>Page Set&amp;up...</source>
        <translation>Mise en &amp;page...</translation>
    </message>
    <message>
        <extracomment>1009 1067</extracomment>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <extracomment>1010</extracomment>
        <source>&amp;Print...</source>
        <translation>Imp&amp;rimer...</translation>
    </message>
    <message>
        <extracomment>1011</extracomment>
        <source>Sen&amp;d...</source>
        <translation>En&amp;voyer...</translation>
    </message>
    <message>
        <extracomment>1012</extracomment>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <extracomment>1013</extracomment>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <extracomment>1014</extracomment>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <extracomment>1015</extracomment>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>Co&amp;uper	Ctrl+X</translation>
    </message>
    <message>
        <extracomment>1016</extracomment>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copier	Ctrl+C</translation>
    </message>
    <message>
        <extracomment>1017</extracomment>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>C&amp;oller	Ctrl+V</translation>
    </message>
    <message>
        <extracomment>1018</extracomment>
        <source>Paste &amp;Special...</source>
        <translation>Collage &amp;spécial...</translation>
    </message>
    <message>
        <extracomment>1019</extracomment>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <extracomment>1020</extracomment>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <extracomment>1021</extracomment>
        <source>Status &amp;Bar</source>
        <translation>&amp;Barre d&apos;état</translation>
    </message>
    <message>
        <extracomment>1022 1091</extracomment>
        <source>&amp;Refresh</source>
        <translation>Ac&amp;tualiser</translation>
    </message>
    <message>
        <extracomment>1023</extracomment>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <extracomment>1024</extracomment>
        <source>&amp;Web Browser</source>
        <translation>Navigateur &amp;Web</translation>
    </message>
    <message>
        <extracomment>1025</extracomment>
        <source>&amp;Window</source>
        <translation>F&amp;enêtre</translation>
    </message>
    <message>
        <extracomment>1026</extracomment>
        <source>&amp;New Window</source>
        <translation>&amp;Nouvelle fenêtre</translation>
    </message>
    <message>
        <extracomment>1027</extracomment>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <extracomment>1028</extracomment>
        <source>Tile &amp;Horizontal</source>
        <translation>Mosaïque &amp;horizontale</translation>
    </message>
    <message>
        <extracomment>1029</extracomment>
        <source>Tile &amp;Vertical</source>
        <translation>Mosaïque &amp;verticale</translation>
    </message>
    <message>
        <extracomment>1030</extracomment>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Réorganiser les icônes</translation>
    </message>
    <message>
        <extracomment>1031</extracomment>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <extracomment>1032</extracomment>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <extracomment>1033</extracomment>
        <source>&amp;Search For Help On...</source>
        <translation>&amp;Rechercher de l&apos;aide sur...</translation>
    </message>
    <message>
        <extracomment>1034</extracomment>
        <source>&amp;About </source>
        <translation>À &amp;propos de </translation>
    </message>
    <message>
        <extracomment>1035 1101</extracomment>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <extracomment>1036</extracomment>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <extracomment>1037</extracomment>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <extracomment>1038</extracomment>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <extracomment>1039</extracomment>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <extracomment>1040</extracomment>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <extracomment>1041</extracomment>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <extracomment>1042</extracomment>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <extracomment>1043</extracomment>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <extracomment>1044</extracomment>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <extracomment>1045</extracomment>
        <source>Align Left</source>
        <translation>Aligner à gauche</translation>
    </message>
    <message>
        <extracomment>1046</extracomment>
        <source>Center</source>
        <translation>Centré</translation>
    </message>
    <message>
        <extracomment>1047</extracomment>
        <source>Align Right</source>
        <translation>Aligner à droite</translation>
    </message>
    <message>
        <extracomment>1049</extracomment>
        <source>Company</source>
        <translation>Société</translation>
    </message>
    <message>
        <extracomment>1050</extracomment>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <extracomment>1052</extracomment>
        <source>Platform</source>
        <translation>Plateforme</translation>
    </message>
    <message>
        <extracomment>1054</extracomment>
        <source>Product</source>
        <translation>Produit</translation>
    </message>
    <message>
        <extracomment>1056 3000</extracomment>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <extracomment>1057</extracomment>
        <source>Sample 1</source>
        <translation>Exemple 1</translation>
    </message>
    <message>
        <extracomment>1058</extracomment>
        <source>Sample 2</source>
        <translation>Exemple 2</translation>
    </message>
    <message>
        <extracomment>1059</extracomment>
        <source>Sample 3</source>
        <translation>Exemple 3</translation>
    </message>
    <message>
        <extracomment>1060</extracomment>
        <source>Sample 4</source>
        <translation>Exemple 4</translation>
    </message>
    <message>
        <extracomment>1061</extracomment>
        <source>&amp;Apply</source>
        <translation>A&amp;ppliquer</translation>
    </message>
    <message>
        <extracomment>1062 2015 3018 3504</extracomment>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <extracomment>1063 1066 2014 3017 3503</extracomment>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <extracomment>1065</extracomment>
        <source>&amp;System Info...</source>
        <translation>Infos &amp;système...</translation>
    </message>
    <message>
        <extracomment>1068</extracomment>
        <source>&amp;Increase Font</source>
        <translation>A&amp;grandir le texte</translation>
    </message>
    <message>
        <extracomment>1069</extracomment>
        <source>&amp;Decrease Font</source>
        <translation>&amp;Réduire le texte</translation>
    </message>
    <message>
        <extracomment>1070</extracomment>
        <source>&amp;Reset Font</source>
        <translation>Ré&amp;initialiser le texte</translation>
    </message>
    <message>
        <extracomment>1071</extracomment>
        <source>Select A&amp;ll	Ctrl+A</source>
        <translation>&amp;Tout sélectionner	Ctrl+A</translation>
    </message>
    <message>
        <extracomment>1072</extracomment>
        <source>&amp;Find</source>
        <translation>Rec&amp;hercher</translation>
    </message>
    <message>
        <extracomment>1073</extracomment>
        <source>&amp;Browse Toolbar</source>
        <translation>Barre de &amp;navigation</translation>
    </message>
    <message>
        <extracomment>1074</extracomment>
        <source>&amp;Sites Toolbar</source>
        <translation>Barre des &amp;sites</translation>
    </message>
    <message>
        <extracomment>1075</extracomment>
        <source>A&amp;ddress Bar</source>
        <translation>Barre d&apos;a&amp;dresse</translation>
    </message>
    <message>
        <extracomment>1076</extracomment>
        <source>&amp;Tabs Bar</source>
        <translation>Barre d&apos;ong&amp;lets</translation>
    </message>
    <message>
        <extracomment>1077</extracomment>
        <source>&amp;Navigator</source>
        <translation>Navi&amp;gateur</translation>
    </message>
    <message>
        <extracomment>1078</extracomment>
        <source>&amp;Favorites</source>
        <translation>&amp;Favoris</translation>
    </message>
    <message>
        <extracomment>1079 2010</extracomment>
        <source>Add to Favorites</source>
        <translation>Ajouter aux favoris</translation>
    </message>
    <message>
        <extracomment>1080 2020</extracomment>
        <source>Organize Favorites</source>
        <translation>Organiser les favoris</translation>
    </message>
    <message>
        <extracomment>1081</extracomment>
        <source>Tabs</source>
        <translation>Onglets</translation>
    </message>
    <message>
        <extracomment>1082</extracomment>
        <source>Shrink A&amp;ll</source>
        <translation>&amp;Tout réduire</translation>
    </message>
    <message>
        <extracomment>1083</extracomment>
        <source>Shrink All but &amp;Active</source>
        <translation>Tout réduire sauf l&apos;&amp;actif</translation>
    </message>
    <message>
        <extracomment>1084</extracomment>
        <source>&amp;Reset All</source>
        <translation>Tout ré&amp;initialiser</translation>
    </message>
    <message>
        <extracomment>1085</extracomment>
        <source>&amp;Quick Search</source>
        <translation>Recherche &amp;rapide</translation>
    </message>
    <message>
        <extracomment>1086</extracomment>
        <source>Sour&amp;ce</source>
        <translation>Sour&amp;ce</translation>
    </message>
    <message>
        <extracomment>1087</extracomment>
        <source>&amp;Navigate</source>
        <translation>&amp;Naviguer</translation>
    </message>
    <message>
        <extracomment>1088</extracomment>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <extracomment>1089</extracomment>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <extracomment>1090</extracomment>
        <source>&amp;Stop</source>
        <translation>A&amp;rrêter</translation>
    </message>
    <message>
        <extracomment>1092</extracomment>
        <source>Home &amp;1</source>
        <translation>Accueil &amp;1</translation>
    </message>
    <message>
        <extracomment>1093</extracomment>
        <source>Home &amp;2</source>
        <translation>Accueil &amp;2</translation>
    </message>
    <message>
        <extracomment>1094</extracomment>
        <source>&amp;Mail</source>
        <translation>&amp;Courrier</translation>
    </message>
    <message>
        <extracomment>1095</extracomment>
        <source>Sear&amp;ch</source>
        <translation>Rec&amp;herche</translation>
    </message>
    <message>
        <extracomment>1096</extracomment>
        <source>&amp;News</source>
        <translation>&amp;Actualités</translation>
    </message>
    <message>
        <extracomment>1097</extracomment>
        <source>Kelvane on the Web</source>
        <translation>Kelvane sur le Web</translation>
    </message>
    <message>
        <extracomment>1098</extracomment>
        <source>Kelvane Help</source>
        <translation>Aide de Kelvane</translation>
    </message>
    <message>
        <extracomment>1099</extracomment>
        <source>&amp;Blank Page</source>
        <translation>Page &amp;vierge</translation>
    </message>
    <message>
        <extracomment>1100</extracomment>
        <source>Cu&amp;rrent Page</source>
        <translation>Page ac&amp;tuelle</translation>
    </message>
    <message>
        <extracomment>1102</extracomment>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <extracomment>1103</extracomment>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <extracomment>1104</extracomment>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <extracomment>1105</extracomment>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <extracomment>1106 1129</extracomment>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <extracomment>1107</extracomment>
        <source>New site</source>
        <translation>Nouveau site</translation>
    </message>
    <message>
        <extracomment>1108</extracomment>
        <source>Navigate to previous site</source>
        <translation>Aller au site précédent</translation>
    </message>
    <message>
        <extracomment>1109</extracomment>
        <source>Navigate to next site</source>
        <translation>Aller au site suivant</translation>
    </message>
    <message>
        <extracomment>1110</extracomment>
        <source>Reload current site</source>
        <translation>Recharger le site actuel</translation>
    </message>
    <message>
        <extracomment>1111</extracomment>
        <source>Stop loading site</source>
        <translation>Arrêter le chargement du site</translation>
    </message>
    <message>
        <extracomment>1112</extracomment>
        <source>Go to primary home page</source>
        <translation>Aller à la première page d&apos;accueil</translation>
    </message>
    <message>
        <extracomment>1113</extracomment>
        <source>Mail</source>
        <translation>Courrier</translation>
    </message>
    <message>
        <extracomment>1114 4003</extracomment>
        <source>Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <extracomment>1115</extracomment>
        <source>News</source>
        <translation>Actualités</translation>
    </message>
    <message>
        <extracomment>1116</extracomment>
        <source>Load Mail site</source>
        <translation>Charger le site de courrier</translation>
    </message>
    <message>
        <extracomment>1117</extracomment>
        <source>Load Search engine</source>
        <translation>Charger le moteur de recherche</translation>
    </message>
    <message>
        <extracomment>1118</extracomment>
        <source>Load News page</source>
        <translation>Charger la page d&apos;actualités</translation>
    </message>
    <message>
        <extracomment>1119</extracomment>
        <source>A&amp;ddress</source>
        <translation>A&amp;dresse</translation>
    </message>
    <message>
        <extracomment>1122</extracomment>
        <source>Quick Notes</source>
        <translation>Notes rapides</translation>
    </message>
    <message>
        <extracomment>1123</extracomment>
        <source>Click to show Quick Notes</source>
        <translation>Cliquer pour afficher les notes rapides</translation>
    </message>
    <message>
        <extracomment>1124</extracomment>
        <source>Click to hide Quick Notes</source>
        <translation>Cliquer pour masquer les notes rapides</translation>
    </message>
    <message>
        <extracomment>1125</extracomment>
        <source>Double click to view options</source>
        <translation>Double-cliquer pour voir les options</translation>
    </message>
    <message>
        <extracomment>1126</extracomment>
        <source>Double click to toggle popup-kill on/off</source>
        <translation>Double-cliquer pour activer ou désactiver le blocage des popups</translation>
    </message>
    <message>
        <extracomment>1127</extracomment>
        <source>Security Status</source>
        <translation>État de sécurité</translation>
    </message>
    <message>
        <extracomment>1128</extracomment>
        <source>&amp;Internet Options</source>
        <translation>Options &amp;Internet</translation>
    </message>
    <message>
        <extracomment>1130</extracomment>
        <source>Go to secondary home page</source>
        <translation>Aller à la seconde page d&apos;accueil</translation>
    </message>
    <message>
        <extracomment>1500</extracomment>
        <source>Association Checking...</source>
        <translation>Vérification de l&apos;association...</translation>
    </message>
    <message>
        <extracomment>1501</extracomment>
        <source>Kelvane v1.50 is not currently your default web browser, would you like to make it the default browser for the web?</source>
        <translation>Kelvane v1.50 n&apos;est pas actuellement votre navigateur web par défaut. Voulez-vous en faire le navigateur par défaut pour le Web ?</translation>
    </message>
    <message>
        <extracomment>1502</extracomment>
        <source>Don&apos;t ask for this in the future.</source>
        <translation>Ne plus poser cette question.</translation>
    </message>
    <message>
        <extracomment>1503</extracomment>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <extracomment>1504</extracomment>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <extracomment>1505</extracomment>
        <source>Error in File Association Process</source>
        <translation>Erreur lors de l&apos;association des types de fichiers</translation>
    </message>
    <message>
        <extracomment>2000</extracomment>
        <source>Kelvane Favorites</source>
        <translation>Favoris de Kelvane</translation>
    </message>
    <message>
        <extracomment>2001</extracomment>
        <source>&amp;Clipboard</source>
        <translation>&amp;Presse-papiers</translation>
    </message>
    <message>
        <extracomment>2002</extracomment>
        <source>&amp;Load</source>
        <translation>&amp;Charger</translation>
    </message>
    <message>
        <extracomment>2003</extracomment>
        <source>&amp;Done</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <extracomment>2004</extracomment>
        <source>Favorite Name</source>
        <translation>Nom du favori</translation>
    </message>
    <message>
        <extracomment>2005</extracomment>
        <source>Favorite URL</source>
        <translation>Adresse du favori</translation>
    </message>
    <message>
        <extracomment>2006</extracomment>
        <source>Favorites</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <extracomment>2011</extracomment>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <extracomment>2012</extracomment>
        <source>Create &amp;in:</source>
        <translation>Créer &amp;dans :</translation>
    </message>
    <message>
        <extracomment>2013</extracomment>
        <source>&amp;New Folder...</source>
        <translation>Nouveau d&amp;ossier...</translation>
    </message>
    <message>
        <extracomment>2016</extracomment>
        <source>A favorite named &quot;%1&quot; already exists in this folder. Do you want to replace it?</source>
        <translation>Un favori nommé « %1 » existe déjà dans ce dossier. Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <extracomment>2017</extracomment>
        <source>The favorite &quot;%1&quot; could not be saved.</source>
        <translation>Le favori « %1 » n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <extracomment>2021</extracomment>
        <source>&amp;Create Folder...</source>
        <translation>&amp;Créer un dossier...</translation>
    </message>
    <message>
        <extracomment>2022</extracomment>
        <source>&amp;Rename...</source>
        <translation>&amp;Renommer...</translation>
    </message>
    <message>
        <extracomment>2023</extracomment>
        <source>&amp;Move to Folder...</source>
        <translation>&amp;Déplacer vers un dossier...</translation>
    </message>
    <message>
        <extracomment>2024</extracomment>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <extracomment>2025</extracomment>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <extracomment>2026</extracomment>
        <source>Are you sure you want to delete the favorite &quot;%1&quot;?</source>
        <translation>Voulez-vous vraiment supprimer le favori « %1 » ?</translation>
    </message>
    <message>
        <extracomment>2027</extracomment>
        <source>Are you sure you want to delete the folder &quot;%1&quot; and everything in it?</source>
        <translation>Voulez-vous vraiment supprimer le dossier « %1 » et tout son contenu ?</translation>
    </message>
    <message>
        <extracomment>2028</extracomment>
        <source>New Folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <extracomment>2029</extracomment>
        <source>Folder name:</source>
        <translation>Nom du dossier :</translation>
    </message>
    <message>
        <extracomment>2030</extracomment>
        <source>New name:</source>
        <translation>Nouveau nom :</translation>
    </message>
    <message>
        <extracomment>2031</extracomment>
        <source>Move to Folder</source>
        <translation>Déplacer vers un dossier</translation>
    </message>
    <message>
        <extracomment>2032</extracomment>
        <source>Choose the folder to move the selected item to:</source>
        <translation>Choisissez le dossier où déplacer l&apos;élément choisi :</translation>
    </message>
    <message>
        <extracomment>2033</extracomment>
        <source>A favorite or folder named &quot;%1&quot; already exists there.</source>
        <translation>Un favori ou un dossier nommé « %1 » existe déjà à cet endroit.</translation>
    </message>
    <message>
        <extracomment>2034</extracomment>
        <source>&quot;%1&quot; cannot be used as a name here.</source>
        <translation>« %1 » ne peut pas servir de nom ici.</translation>
    </message>
    <message>
        <extracomment>2035</extracomment>
        <source>&quot;%1&quot; could not be changed.</source>
        <translation>« %1 » n&apos;a pas pu être modifié.</translation>
    </message>
    <message>
        <extracomment>2500</extracomment>
        <source>Navigator</source>
        <translation>Navigateur</translation>
    </message>
    <message>
        <extracomment>2501</extracomment>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <extracomment>2502</extracomment>
        <source>Close selected site</source>
        <translation>Fermer le site choisi</translation>
    </message>
    <message>
        <extracomment>2503</extracomment>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <extracomment>2504</extracomment>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <extracomment>3001</extracomment>
        <source>On Exit</source>
        <translation>En quittant</translation>
    </message>
    <message>
        <extracomment>3002</extracomment>
        <source>&amp;Clean History</source>
        <translation>&amp;Effacer l&apos;historique</translation>
    </message>
    <message>
        <extracomment>3003</extracomment>
        <source>Clean &amp;Now</source>
        <translation>Effacer &amp;maintenant</translation>
    </message>
    <message>
        <extracomment>3004</extracomment>
        <source>&amp;Save All Documents</source>
        <translation>Enre&amp;gistrer tous les documents</translation>
    </message>
    <message>
        <extracomment>3005</extracomment>
        <source>Minimize To &amp;Tray</source>
        <translation>Réduire dans la &amp;zone de notification</translation>
    </message>
    <message>
        <extracomment>3006 3502</extracomment>
        <source>&amp;Password</source>
        <translation>Mot de &amp;passe</translation>
    </message>
    <message>
        <extracomment>3007</extracomment>
        <source>Con&amp;firm</source>
        <translation>Con&amp;firmer</translation>
    </message>
    <message>
        <extracomment>3008</extracomment>
        <source>Prompt to set Kelvane as your default Internet Browser</source>
        <translation>Proposer de faire de Kelvane le navigateur par défaut</translation>
    </message>
    <message>
        <extracomment>3009</extracomment>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <extracomment>3010</extracomment>
        <source>Sites</source>
        <translation>Sites</translation>
    </message>
    <message>
        <extracomment>3011</extracomment>
        <source>Home &amp;1:</source>
        <translation>Accueil &amp;1 :</translation>
    </message>
    <message>
        <extracomment>3012</extracomment>
        <source>Home &amp;2:</source>
        <translation>Accueil &amp;2 :</translation>
    </message>
    <message>
        <extracomment>3013</extracomment>
        <source>&amp;Search:</source>
        <translation>&amp;Recherche :</translation>
    </message>
    <message>
        <extracomment>3014</extracomment>
        <source>&amp;Mail:</source>
        <translation>&amp;Courrier :</translation>
    </message>
    <message>
        <extracomment>3015</extracomment>
        <source>&amp;News:</source>
        <translation>&amp;Actualités :</translation>
    </message>
    <message>
        <extracomment>3016</extracomment>
        <source>Use &amp;Current</source>
        <translation>&amp;Utiliser l&apos;actuelle</translation>
    </message>
    <message>
        <extracomment>3019</extracomment>
        <source>Tray</source>
        <translation>Zone de notification</translation>
    </message>
    <message>
        <extracomment>3020</extracomment>
        <source>Temporary Files, Cookies and History will be deleted, Proceed?</source>
        <translation>Les fichiers temporaires, les cookies et l&apos;historique seront supprimés. Continuer ?</translation>
    </message>
    <message>
        <extracomment>3021</extracomment>
        <source>Error passwords do NOT match, please type a correct password</source>
        <translation>Erreur : les mots de passe ne correspondent PAS, veuillez saisir un mot de passe correct</translation>
    </message>
    <message>
        <extracomment>3022</extracomment>
        <source>This desktop has no system tray, so minimizing keeps the window on the taskbar.</source>
        <translation>Ce bureau n&apos;a pas de zone de notification : la fenêtre réduite reste dans la barre des tâches.</translation>
    </message>
    <message>
        <extracomment>3200</extracomment>
        <source>Enabled</source>
        <translation>Activé</translation>
    </message>
    <message>
        <extracomment>3201</extracomment>
        <source>Site &amp;Name</source>
        <translation>&amp;Nom du site</translation>
    </message>
    <message>
        <extracomment>3202</extracomment>
        <source>Site &amp;URL</source>
        <translation>&amp;Adresse du site</translation>
    </message>
    <message>
        <extracomment>3203</extracomment>
        <source>If sites toolbar is not visible, you wont be able to get benifit of User Links.To show the sites toolbar, check it from the &quot;View-Sites Toolbar&quot; menu.</source>
        <translation>Tant que la barre des sites est masquée, vos liens ne sont pas accessibles. Affichez-la depuis le menu « Affichage – Barre des sites ».</translation>
    </message>
    <message>
        <extracomment>3500</extracomment>
        <source>Kelvane - Enter Password</source>
        <translation>Kelvane – Saisir le mot de passe</translation>
    </message>
    <message>
        <extracomment>3501</extracomment>
        <source>Please enter password:</source>
        <translation>Veuillez saisir le mot de passe :</translation>
    </message>
    <message>
        <extracomment>3505</extracomment>
        <source>Invalid Password, try again!</source>
        <translation>Mot de passe incorrect, réessayez !</translation>
    </message>
    <message>
        <extracomment>3506</extracomment>
        <source>Kelvane Quick Notes</source>
        <translation>Notes rapides de Kelvane</translation>
    </message>
    <message>
        <extracomment>3507</extracomment>
        <source>&amp;Enable Quick Notes</source>
        <translation>&amp;Activer les notes rapides</translation>
    </message>
    <message>
        <extracomment>3508</extracomment>
        <source>Quick Notes Format</source>
        <translation>Format des notes rapides</translation>
    </message>
    <message>
        <extracomment>3509</extracomment>
        <source>Notes &amp;Font</source>
        <translation>&amp;Police des notes</translation>
    </message>
    <message>
        <extracomment>3510</extracomment>
        <source>Notes &amp;Color</source>
        <translation>&amp;Couleur des notes</translation>
    </message>
    <message>
        <extracomment>4000</extracomment>
        <source>Quick Search</source>
        <translation>Recherche rapide</translation>
    </message>
    <message>
        <extracomment>4001</extracomment>
        <source>Google is one of the most precise search engines nowadays. You can type any query for it.</source>
        <translation>Google est l&apos;un des moteurs de recherche les plus précis. Vous pouvez y saisir n&apos;importe quelle requête.</translation>
    </message>
    <message>
        <extracomment>4002</extracomment>
        <source>Method</source>
        <translation>Méthode</translation>
    </message>
    <message>
        <extracomment>5000</extracomment>
        <source>Kelvane Downloads</source>
        <translation>Téléchargements de Kelvane</translation>
    </message>
    <message>
        <extracomment>5001</extracomment>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <extracomment>5002</extracomment>
        <source>&amp;Resume</source>
        <translation>&amp;Reprendre</translation>
    </message>
    <message>
        <extracomment>5003</extracomment>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <extracomment>5004</extracomment>
        <source>Re&amp;try</source>
        <translation>Réess&amp;ayer</translation>
    </message>
    <message>
        <extracomment>5005</extracomment>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <extracomment>5006</extracomment>
        <source>Show in &amp;Folder</source>
        <translation>Afficher dans le &amp;dossier</translation>
    </message>
    <message>
        <extracomment>5007</extracomment>
        <source>Re&amp;move from List</source>
        <translation>&amp;Retirer de la liste</translation>
    </message>
    <message>
        <extracomment>5008</extracomment>
        <source>C&amp;lear List</source>
        <translation>&amp;Vider la liste</translation>
    </message>
    <message>
        <extracomment>5009</extracomment>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <extracomment>5010</extracomment>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <extracomment>5011</extracomment>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <extracomment>5012</extracomment>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <extracomment>5013</extracomment>
        <source>Time Left</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <extracomment>5014</extracomment>
        <source>%1 s left</source>
        <translation>%1 s restantes</translation>
    </message>
    <message>
        <extracomment>5015</extracomment>
        <source>%1 min left</source>
        <translation>%1 min restantes</translation>
    </message>
    <message>
        <extracomment>5016</extracomment>
        <source>%1 h %2 min left</source>
        <translation>%1 h %2 min restantes</translation>
    </message>
    <message>
        <extracomment>5017</extracomment>
        <source>Downloads running: %1 (%2%)</source>
        <translation>Téléchargements en cours : %1 (%2 %)</translation>
    </message>
    <message>
        <extracomment>5018</extracomment>
        <source>Downloads running: %1 (%2)</source>
        <translation>Téléchargements en cours : %1 (%2)</translation>
    </message>
    <message>
        <extracomment>5019</extracomment>
        <source>Complete</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <extracomment>5020</extracomment>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <extracomment>5021</extracomment>
        <source>Failed: %1</source>
        <translation>Échec : %1</translation>
    </message>
    <message>
        <extracomment>5022</extracomment>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <extracomment>5023</extracomment>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <extracomment>5024</extracomment>
        <source>Save Download As</source>
        <translation>Enregistrer le téléchargement sous</translation>
    </message>
    <message>
        <extracomment>5025</extracomment>
        <source>Downloads are still running (%1). Closing Kelvane cancels them.</source>
        <translation>Des téléchargements sont en cours (%1). Fermer Kelvane les annule.</translation>
    </message>
    <message>
        <extracomment>5026</extracomment>
        <source>Cancel Downloads and &amp;Close</source>
        <translation>Annuler les téléchargements et &amp;fermer</translation>
    </message>
    <message>
        <extracomment>5027</extracomment>
        <source>&amp;Keep Kelvane Open</source>
        <translation>&amp;Garder Kelvane ouvert</translation>
    </message>
    <message>
        <extracomment>5028</extracomment>
        <source>The file is no longer there: %1</source>
        <translation>Le fichier n&apos;existe plus : %1</translation>
    </message>
    <message>
        <extracomment>5029</extracomment>
        <source>&amp;Downloads</source>
        <translation>&amp;Téléchargements</translation>
    </message>
    <message>
        <extracomment>5030</extracomment>
        <source>the connection broke or the server closed it before the end</source>
        <translation>la connexion a été coupée ou le serveur l&apos;a fermée avant la fin</translation>
    </message>
    <message>
        <extracomment>5031</extracomment>
        <source>the server took too long to answer</source>
        <translation>le serveur a mis trop de temps à répondre</translation>
    </message>
    <message>
        <extracomment>5032</extracomment>
        <source>the computer is off line</source>
        <translation>l&apos;ordinateur est hors ligne</translation>
    </message>
    <message>
        <extracomment>5033</extracomment>
        <source>the server could not be reached</source>
        <translation>le serveur est injoignable</translation>
    </message>
    <message>
        <extracomment>5034</extracomment>
        <source>the server answered with an error</source>
        <translation>le serveur a répondu par une erreur</translation>
    </message>
    <message>
        <extracomment>5035</extracomment>
        <source>the server asks for a sign-in</source>
        <translation>le serveur demande une connexion</translation>
    </message>
    <message>
        <extracomment>5036</extracomment>
        <source>the server refused to send the file</source>
        <translation>le serveur a refusé d&apos;envoyer le fichier</translation>
    </message>
    <message>
        <extracomment>5037</extracomment>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <extracomment>5038</extracomment>
        <source>the folder or the file may not be written</source>
        <translation>le dossier ou le fichier est protégé en écriture</translation>
    </message>
    <message>
        <extracomment>5039</extracomment>
        <source>the file name is too long</source>
        <translation>le nom du fichier est trop long</translation>
    </message>
    <message>
        <extracomment>5040</extracomment>
        <source>the file is too large for the disk</source>
        <translation>le fichier est trop gros pour le disque</translation>
    </message>
    <message>
        <extracomment>5041</extracomment>
        <source>the file could not be written</source>
        <translation>le fichier n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <extracomment>5042</extracomment>
        <source>the file was blocked</source>
        <translation>le fichier a été bloqué</translation>
    </message>
    <message>
        <extracomment>5043</extracomment>
        <source>an unknown error</source>
        <translation>une erreur inconnue</translation>
    </message>
    <message>
        <extracomment>5044</extracomment>
        <source>Download complete: %1</source>
        <translation>Téléchargement terminé : %1</translation>
    </message>
    <message>
        <extracomment>5045</extracomment>
        <source>Download failed: %1 (%2)</source>
        <translation>Échec du téléchargement : %1 (%2)</translation>
    </message>
    <message>
        <extracomment>5046</extracomment>
        <source>its name could not be given to it; the complete file is kept as %1</source>
        <translation>son nom n&apos;a pas pu lui être donné ; le fichier complet est conservé sous %1</translation>
    </message>
    <message>
        <extracomment>5047</extracomment>
        <source>No program was found to open %1</source>
        <translation>Aucun programme n&apos;a été trouvé pour ouvrir %1</translation>
    </message>
    <message>
        <extracomment>5050</extracomment>
        <source>Downloads</source>
        <translation>Téléchargements</translation>
    </message>
    <message>
        <extracomment>5051</extracomment>
        <source>&amp;Ask where to save each file</source>
        <translation>&amp;Demander où enregistrer chaque fichier</translation>
    </message>
    <message>
        <extracomment>5052</extracomment>
        <source>Save files &amp;in:</source>
        <translation>Enregistrer les fichiers da&amp;ns :</translation>
    </message>
    <message>
        <extracomment>5053</extracomment>
        <source>Choose the Download Folder</source>
        <translation>Choisir le dossier de téléchargement</translation>
    </message>
</context>
</TS>
