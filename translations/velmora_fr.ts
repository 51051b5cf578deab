<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CAboutDlg</name>
    <message>
        <location filename="../ui/main/AboutDlg.cpp" line="+11"/>
        <source>About Velmora</source>
        <translation>À propos de Velmora</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 Version %2</source>
        <translation>%1 version %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copyright (C) %1</source>
        <translation>Copyright (C) %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This software is freeware.</source>
        <translation>Ce logiciel est gratuit.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CChannelListView</name>
    <message>
        <location filename="../ui/common/ChannelListView.cpp" line="+193"/>
        <source>Select another row</source>
        <translation>Sélectionner une autre ligne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select more rows</source>
        <translation>Étendre la sélection</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move to another cell of the row</source>
        <translation>Aller à une autre cellule de la ligne</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move to another row without changing the selection</source>
        <translation>Aller à une autre ligne sans changer la sélection</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select or unselect the row</source>
        <translation>Sélectionner ou désélectionner la ligne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open the list&apos;s menu</source>
        <translation>Ouvrir le menu de la liste</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>F2, or typing</source>
        <translation>F2, ou saisie directe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit the cell</source>
        <translation>Modifier la cellule</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Switch an On/OFF cell</source>
        <translation>Basculer une cellule Oui/Non</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Store the edit and go down a row</source>
        <translation>Valider la saisie et descendre d&apos;une ligne</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Store the edit in every selected channel</source>
        <translation>Appliquer la saisie à tous les canaux sélectionnés</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Store the edit and go to the next or previous cell</source>
        <translation>Valider la saisie et passer à la cellule suivante ou précédente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leave the cell as it was</source>
        <translation>Laisser la cellule inchangée</translation>
    </message>
</context>
<context>
    <name>CChannelPages</name>
    <message>
        <location filename="../ui/main/ChannelPages.cpp" line="+90"/>
        <source>%1 — %2 — 1 channel</source>
        <translation>%1 — %2 — 1 canal</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1 — %2 — %n channels</source>
        <translation>
            <numerusform>%1 — %2 — %n canal</numerusform>
            <numerusform>%1 — %2 — %n canaux</numerusform>
        </translation>
    </message>
    <message>
        <location line="+138"/>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>CChannelTableModel</name>
    <message>
        <location filename="../ui/common/ChannelTableModel.cpp" line="+121"/>
        <source>ID %1, %2</source>
        <extracomment>What a screen reader says of a cell: its channel and its column.</extracomment>
        <translation>ID %1, %2</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Difference</source>
        <translation>Différence</translation>
    </message>
</context>
<context>
    <name>CCheckChannelsDlg</name>
    <message>
        <location filename="../ui/main/CheckChannelsDlg.cpp" line="+24"/>
        <source>Check Channels</source>
        <translation>Vérifier les canaux</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Findings</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Severity</source>
        <translation>Gravité</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Problem</source>
        <translation>Problème</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Check Again</source>
        <translation>Revérifier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No problems found.</source>
        <translation>Aucun problème trouvé.</translation>
    </message>
</context>
<context>
    <name>CCompareDlg</name>
    <message>
        <location filename="../ui/main/CompareDlg.cpp" line="+44"/>
        <location line="+1"/>
        <source>Next Difference</source>
        <translation>Différence suivante</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Previous Difference</source>
        <translation>Différence précédente</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+107"/>
        <source>Show Differences Only</source>
        <translation>Afficher seulement les différences</translation>
    </message>
    <message>
        <location line="-105"/>
        <location line="+96"/>
        <source>Copy to Open File</source>
        <translation>Copier dans le fichier ouvert</translation>
    </message>
    <message>
        <location line="-93"/>
        <source>Compare With Another File...</source>
        <translation>Comparer avec un autre fichier...</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>&amp;Compare</source>
        <translation>&amp;Comparer</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Open file: %1</source>
        <translation>Fichier ouvert&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Channels of the open file</source>
        <translation>Canaux du fichier ouvert</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Channels of %1</source>
        <translation>Canaux de %1</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>1 channel of %1 could not be compared.</source>
        <translation>1 canal de %1 n&apos;a pas pu être comparé.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n channels of %1 could not be compared.</source>
        <translation>
            <numerusform>%n canal de %1 n&apos;a pas pu être comparé.</numerusform>
            <numerusform>%n canaux de %1 n&apos;ont pas pu être comparés.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 line of %1 could not be compared.</source>
        <translation>1 ligne de %1 n&apos;a pas pu être comparée.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines of %1 could not be compared.</source>
        <translation>
            <numerusform>%n ligne de %1 n&apos;a pas pu être comparée.</numerusform>
            <numerusform>%n lignes de %1 n&apos;ont pas pu être comparées.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+47"/>
        <source>only in %1</source>
        <extracomment>How a screen reader reads the marks of rows that differ.</extracomment>
        <translation>seulement dans %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>changed</source>
        <translation>modifié</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>only here</source>
        <translation>seulement ici</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The channels are the same.</source>
        <translation>Les canaux sont identiques.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 channel differs: %1 changed, %2 only here, %3 only in %4.</source>
        <translation>1 canal diffère (modifié&#xa0;: %1, seulement ici&#xa0;: %2, seulement dans %4&#xa0;: %3).</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n channels differ: %1 changed, %2 only here, %3 only in %4.</source>
        <translation>
            <numerusform>%n canal diffère (modifiés&#xa0;: %1, seulement ici&#xa0;: %2, seulement dans %4&#xa0;: %3).</numerusform>
            <numerusform>%n canaux diffèrent (modifiés&#xa0;: %1, seulement ici&#xa0;: %2, seulement dans %4&#xa0;: %3).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CFindDlg</name>
    <message>
        <location filename="../ui/main/FindDlg.cpp" line="+11"/>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Find what:</source>
        <translation>Rechercher&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Find Next</source>
        <translation>Rechercher le suivant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find Previous</source>
        <translation>Rechercher le précédent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>CImportDlg</name>
    <message>
        <location filename="../ui/import/ImportDlg.cpp" line="+44"/>
        <source>Open DAT File For Import</source>
        <translation>Ouvrir un fichier DAT à importer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>IMPORT</source>
        <translation>IMPORTATION</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Channels to import</source>
        <translation>Canaux à importer</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>1 channel of %1 could not be imported.</source>
        <translation>1 canal de %1 n&apos;a pas pu être importé.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n channels of %1 could not be imported.</source>
        <translation>
            <numerusform>%n canal de %1 n&apos;a pas pu être importé.</numerusform>
            <numerusform>%n canaux de %1 n&apos;ont pas pu être importés.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 line of %1 could not be imported.</source>
        <translation>1 ligne de %1 n&apos;a pas pu être importée.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines of %1 could not be imported.</source>
        <translation>
            <numerusform>%n ligne de %1 n&apos;a pas pu être importée.</numerusform>
            <numerusform>%n lignes de %1 n&apos;ont pas pu être importées.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CMainDlg</name>
    <message>
        <location filename="../ui/main/MainDlg.cpp" line="+72"/>
        <source>Open DAT File</source>
        <translation>Ouvrir un fichier DAT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open DAT</source>
        <translation>Ouvrir DAT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save DAT File</source>
        <translation>Enregistrer le fichier DAT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save DAT</source>
        <translation>Enregistrer DAT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export CSV...</source>
        <translation>Exporter en CSV...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print Preview...</source>
        <translation>Aperçu avant impression...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export PDF...</source>
        <translation>Exporter en PDF...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Compare...</source>
        <translation>Comparer...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Up 15</source>
        <translation>Monter de 15</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Down 15</source>
        <translation>Descendre de 15</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Row</source>
        <translation>Insérer une ligne</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete and Close Up</source>
        <translation>Supprimer et remonter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Velmora...</source>
        <translation>À &amp;propos de Velmora...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find...</source>
        <translation>Rechercher...</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+338"/>
        <source>Find Next</source>
        <translation>Rechercher le suivant</translation>
    </message>
    <message>
        <location line="-336"/>
        <source>Find Previous</source>
        <translation>Rechercher le précédent</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sort...</source>
        <translation>Trier...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check Channels...</source>
        <translation>Vérifier les canaux...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Mode</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Show all columns</source>
        <translation>Afficher toutes les colonnes</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Invalid frequency!</source>
        <translation>Fréquence invalide&#xa0;!</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Choose %1 in the Mode box.</source>
        <translation>Choisissez %1 dans la liste «&#xa0;Modèle&#xa0;».</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Changes are not saved. Open another file anyway?</source>
        <translation>Les modifications ne sont pas enregistrées. Ouvrir quand même un autre fichier&#xa0;?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 was changed by another program since it was opened. Replace it anyway?</source>
        <translation>%1 a été modifié par un autre programme depuis son ouverture. Le remplacer quand même&#xa0;?</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Velmora opens one file per window; %1 was not opened.</source>
        <translation>Velmora ouvre un fichier par fenêtre&#xa0;; %1 n&apos;a pas été ouvert.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 and %2</source>
        <extracomment>A list of files: &quot;a.DAT, b.DAT and c.DAT&quot;.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Velmora opens one file per window; %1 were not opened.</source>
        <translation>Velmora ouvre un fichier par fenêtre&#xa0;; %1 n&apos;ont pas été ouverts.</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Show the finding&apos;s channel</source>
        <translation>Afficher le canal concerné</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../ui/main/MainDlgCommands.cpp" line="+204"/>
        <source>Row Editor</source>
        <translation>Éditeur de ligne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check Channels</source>
        <translation>Vérifier les canaux</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Main window</source>
        <translation>Fenêtre principale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channel list</source>
        <translation>Liste des canaux</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Import window</source>
        <translation>Fenêtre d&apos;importation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compare window</source>
        <translation>Fenêtre de comparaison</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Changes are not saved. Exit anyway?</source>
        <translation>Les modifications ne sont pas enregistrées. Quitter quand même&#xa0;?</translation>
    </message>
    <message>
        <location filename="../ui/main/MainDlgCommands.cpp" line="-123"/>
        <source>Edit %1</source>
        <translation>Modifier %1</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>The clipboard holds no channels Velmora can read.</source>
        <translation>Le presse-papiers ne contient aucun canal lisible par Velmora.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>1 channel of the clipboard could not be pasted.</source>
        <translation>1 canal du presse-papiers n&apos;a pas pu être collé.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n channels of the clipboard could not be pasted.</source>
        <translation>
            <numerusform>%n canal du presse-papiers n&apos;a pas pu être collé.</numerusform>
            <numerusform>%n canaux du presse-papiers n&apos;ont pas pu être collés.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 line of the clipboard could not be pasted.</source>
        <translation>1 ligne du presse-papiers n&apos;a pas pu être collée.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines of the clipboard could not be pasted.</source>
        <translation>
            <numerusform>%n ligne du presse-papiers n&apos;a pas pu être collée.</numerusform>
            <numerusform>%n lignes du presse-papiers n&apos;ont pas pu être collées.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+127"/>
        <source>Compare With</source>
        <translation>Comparer avec</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Copy from %1</source>
        <translation>Copier depuis %1</translation>
    </message>
    <message>
        <location filename="../ui/main/MainDlgPrinting.cpp" line="+66"/>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <location filename="../ui/main/MainDlgSearch.cpp" line="+43"/>
        <source>No channel matches &quot;%1&quot;.</source>
        <translation>Aucun canal ne correspond à «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Sort</source>
        <translation>Trier</translation>
    </message>
    <message>
        <location filename="../ui/main/MainDlgSettings.cpp" line="+54"/>
        <source>Recent &amp;Files</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Clear Recent Files</source>
        <translation>Effacer la liste</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Takes effect when Velmora starts again</source>
        <translation>Prend effet au prochain démarrage de Velmora</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>System Default</source>
        <translation>Langue du système</translation>
    </message>
</context>
<context>
    <name>CRowEditorDlg</name>
    <message>
        <location filename="../ui/editor/RowEditorCommands.cpp" line="+80"/>
        <source>Selected row: %1</source>
        <translation>Ligne sélectionnée&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../ui/editor/RowEditorDlg.cpp" line="+100"/>
        <source>Selected rows: %1 - %2</source>
        <translation>Lignes sélectionnées&#xa0;: %1 - %2</translation>
    </message>
    <message>
        <location filename="../ui/editor/RowEditorDlg.cpp" line="-29"/>
        <source>Row Editor</source>
        <translation>Éditeur de ligne</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt; Prev</source>
        <translation>&lt; Préc.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next &gt;</source>
        <translation>Suiv. &gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Frequency Configuration</source>
        <translation>Configuration des fréquences</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>RX:</source>
        <translation>RX&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+8"/>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>RX</source>
        <translation>RX</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TX:</source>
        <translation>TX&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>TX</source>
        <translation>TX</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Step:</source>
        <translation>Pas&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kHz</source>
        <translation>kHz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Step</source>
        <translation>Pas</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>QT/DQT RX:</source>
        <translation>CTCSS/DCS RX&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QT/DQT TX:</source>
        <translation>CTCSS/DCS TX&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reverse:</source>
        <translation>Inversion&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TX Power:</source>
        <translation>Puissance TX&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scramble:</source>
        <translation>Embrouilleur&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>W/N:</source>
        <translation>Largeur de bande&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan Add:</source>
        <translation>Balayage&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Busy Set:</source>
        <translation>Verrou occupé&#xa0;:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Keep multiple values</source>
        <translation>Conserver les valeurs</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep multiple values: %1</source>
        <translation>Conserver les valeurs&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CShortcutsDlg</name>
    <message>
        <location filename="../ui/main/ShortcutsDlg.cpp" line="+26"/>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Keyboard shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What they do</source>
        <translation>Action</translation>
    </message>
</context>
<context>
    <name>CSortDlg</name>
    <message>
        <location filename="../ui/main/SortDlg.cpp" line="+13"/>
        <source>Sort</source>
        <translation>Trier</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Descending</source>
        <translation>Décroissant</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sort by:</source>
        <translation>Trier par&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CSystemClipboard</name>
    <message>
        <location filename="../ui/common/SystemClipboard.cpp" line="+81"/>
        <source>Channel %1: %2</source>
        <translation>Canal %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line %1: %2</source>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>... and %1 more.</source>
        <translation>... et %1 autres.</translation>
    </message>
</context>
<context>
    <name>Columns</name>
    <message>
        <location filename="../model/ChannelColumns.cpp" line="+24"/>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>RX Freq</source>
        <translation>Fréq. RX</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TX Freq</source>
        <translation>Fréq. TX</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>QT/DQT Dec</source>
        <translation>CTCSS/DCS RX</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>QT/DQT Enc</source>
        <translation>CTCSS/DCS TX</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Step</source>
        <translation>Pas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reverse</source>
        <translation>Inversion</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TX Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scramble</source>
        <translation>Embrouilleur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>W/N</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Range</source>
        <translation>Gamme</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan</source>
        <translation>Balayage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Busy Set</source>
        <translation>Verrou occupé</translation>
    </message>
</context>
<context>
    <name>Failures</name>
    <message>
        <location filename="../ui/common/CommandRunner.cpp" line="+25"/>
        <source>Open operation failed.</source>
        <translation>L&apos;ouverture a échoué.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save operation failed.</source>
        <translation>L&apos;enregistrement a échoué.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export operation failed.</source>
        <translation>L&apos;exportation a échoué.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print operation failed.</source>
        <translation>L&apos;impression a échoué.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error creating Dialog</source>
        <translation>Erreur lors de la création de la boîte de dialogue</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <location filename="../document/ChannelCheck.cpp" line="+60"/>
        <source>same frequencies and tones as channel %1</source>
        <translation>mêmes fréquences et tonalités que le canal %1</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>same frequencies and tones as line %1</source>
        <translation>mêmes fréquences et tonalités que la ligne %1</translation>
    </message>
    <message>
        <location filename="../document/ChannelDocument.cpp" line="+149"/>
        <source>%1 holds no channels.</source>
        <translation>%1 ne contient aucun canal.</translation>
    </message>
    <message>
        <location filename="../document/DocumentEdits.cpp" line="+108"/>
        <source>%1 has no %2 frequency, but this radio works only at 400 MHz and above.</source>
        <extracomment>%1 is &quot;Channel 7&quot; or &quot;Pasted channel 1 of 3, for row 20,&quot;; %2 is RX or TX.</extracomment>
        <translation>%1 n&apos;a pas de fréquence %2, mais cette radio ne fonctionne qu&apos;à partir de 400&#xa0;MHz.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 has no %2 frequency, but this radio works only below 400 MHz.</source>
        <translation>%1 n&apos;a pas de fréquence %2, mais cette radio ne fonctionne qu&apos;en dessous de 400&#xa0;MHz.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 has the %2 frequency %3 MHz, but this radio works only at 400 MHz and above.</source>
        <translation>%1 a une fréquence %2 de %3&#xa0;MHz, mais cette radio ne fonctionne qu&apos;à partir de 400&#xa0;MHz.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 has the %2 frequency %3 MHz, but this radio works only below 400 MHz.</source>
        <translation>%1 a une fréquence %2 de %3&#xa0;MHz, mais cette radio ne fonctionne qu&apos;en dessous de 400&#xa0;MHz.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Channel %1</source>
        <translation>Le canal %1</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Pasted channel %1 of %2, for row %3,</source>
        <translation>Le canal collé %1 sur %2 (pour la ligne %3)</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Channel %1: %2</source>
        <translation>Canal %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The last row holds a channel; delete it first.</source>
        <translation>La dernière ligne contient un canal&#xa0;; supprimez-le d&apos;abord.</translation>
    </message>
    <message>
        <location filename="../document/RadioConversion.cpp" line="+76"/>
        <source>Channel %1 has no place on a %2 (channels 0–%3).</source>
        <translation>Le canal %1 n&apos;a pas de place sur un %2 (canaux 0–%3).</translation>
    </message>
    <message>
        <location filename="../model/DatFile.cpp" line="+30"/>
        <source>The file has %1 bytes; a %2 file has %3 bytes and a %4 file %5.</source>
        <translation>Le fichier fait %1 octets&#xa0;; un fichier %2 fait %3 octets et un fichier %4 %5.</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n&apos;existe pas.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>«&#xa0;%1&#xa0;» est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; is not a file.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You may not read the file &quot;%1&quot;.</source>
        <translation>Vous n&apos;avez pas le droit de lire le fichier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file &quot;%1&quot; is write-protected.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» est protégé en écriture.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n&apos;existe pas.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You may not write in the folder &quot;%1&quot;.</source>
        <translation>Vous n&apos;avez pas le droit d&apos;écrire dans le dossier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The symbolic links of &quot;%1&quot; lead around in a circle.</source>
        <translation>Les liens symboliques de «&#xa0;%1&#xa0;» forment une boucle.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The disk is full.</source>
        <translation>Le disque est plein.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file would be larger than this system lets Velmora write.</source>
        <translation>Le fichier dépasserait la taille que ce système permet à Velmora d&apos;écrire.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file &quot;%1&quot; could not be read to its end.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n&apos;a pas pu être lu jusqu&apos;au bout.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file has %1 bytes where a %2 file has %3. It is a %4 file.</source>
        <translation>Le fichier fait %1 octets alors qu&apos;un fichier %2 en fait %3. C&apos;est un fichier %4.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file has %1 bytes where a %2 file has %3.</source>
        <translation>Le fichier fait %1 octets alors qu&apos;un fichier %2 en fait %3.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file has %1 bytes, more than a list of channels ever needs.</source>
        <translation>Le fichier fait %1 octets, bien plus qu&apos;une liste de canaux n&apos;en demande.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Channel %1 holds a value the radio does not know in the column &quot;%2&quot;.</source>
        <translation>Le canal %1 contient dans la colonne «&#xa0;%2&#xa0;» une valeur inconnue de la radio.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The system reports: %1.</source>
        <translation>Le système signale&#xa0;: %1.</translation>
    </message>
    <message>
        <location filename="../rules/CellEdit.cpp" line="+74"/>
        <source>This column cannot be edited.</source>
        <translation>Cette colonne n&apos;est pas modifiable.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>A name holds up to six of the letters A to Z, the digits and the characters space * + - / _.</source>
        <translation>Un nom comporte au plus six caractères&#xa0;: les lettres A à Z, les chiffres, l&apos;espace et * + - / _.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&quot;%1&quot; is not one of this column&apos;s values.</source>
        <translation>«&#xa0;%1&#xa0;» ne fait pas partie des valeurs de cette colonne.</translation>
    </message>
    <message>
        <location filename="../rules/ChannelCsv.cpp" line="+61"/>
        <source>%1 &quot;%2&quot; is not a row number from 0 to %3.</source>
        <translation>%1 «&#xa0;%2&#xa0;» n&apos;est pas un numéro de ligne de 0 à %3.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Location %1 was given before, in line %2.</source>
        <translation>Location %1 figure déjà à la ligne %2.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>a quoted field is not closed.</source>
        <translation>un champ entre guillemets n&apos;est pas fermé.</translation>
    </message>
    <message>
        <location filename="../rules/CsvHeader.cpp" line="+53"/>
        <source>The file has no header line naming its columns, such as Location and Frequency.</source>
        <translation>Le fichier n&apos;a pas de ligne d&apos;en-tête nommant ses colonnes, comme Location et Frequency.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file has no &quot;%1&quot; column.</source>
        <translation>Le fichier n&apos;a pas de colonne «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location filename="../rules/CsvLineReader.cpp" line="+81"/>
        <source>%1 &quot;%2&quot; is not a number of MHz.</source>
        <extracomment>Reasons a list&apos;s line gives no channel follow &quot;Line 4: &quot;, in lower case where a word begins them. %1 is always the name of a column of the CSV file (Frequency, Offset, Duplex, Power…), which stays English, and %2 the text the file has there.</extracomment>
        <translation>%1 «&#xa0;%2&#xa0;» n&apos;est pas un nombre de&#xa0;MHz.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 %2 MHz is not a whole multiple of 10 Hz.</source>
        <translation>%1 %2&#xa0;MHz n&apos;est pas un multiple entier de 10&#xa0;Hz.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>the transmit frequency %1 MHz is outside this TG-6A&apos;s band (%2 MHz).</source>
        <translation>la fréquence d&apos;émission %1&#xa0;MHz est hors de la bande de ce TG-6A (%2&#xa0;MHz).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the transmit frequency %1 MHz is outside the %2&apos;s bands (%3 MHz).</source>
        <translation>la fréquence d&apos;émission %1&#xa0;MHz est hors des bandes du %2 (%3&#xa0;MHz).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 MHz is outside this TG-6A&apos;s band (%2 MHz).</source>
        <translation>%1&#xa0;MHz est hors de la bande de ce TG-6A (%2&#xa0;MHz).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 MHz is outside the %2&apos;s bands (%3 MHz).</source>
        <translation>%1&#xa0;MHz est hors des bandes du %2 (%3&#xa0;MHz).</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>receive-only channels (Duplex &quot;off&quot;) cannot be stored in this radio.</source>
        <translation>les canaux en réception seule (Duplex «&#xa0;off&#xa0;») ne peuvent pas être enregistrés dans cette radio.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 &quot;%2&quot; is not +, -, split, off or empty.</source>
        <translation>%1 «&#xa0;%2&#xa0;» n&apos;est ni +, ni -, ni split, ni off, ni vide.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>a split channel needs its transmit frequency in the Offset column.</source>
        <translation>un canal split doit avoir sa fréquence d&apos;émission dans la colonne Offset.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 MHz and the transmit frequency %2 MHz are in different bands; the radio needs both in one.</source>
        <translation>%1&#xa0;MHz et la fréquence d&apos;émission %2&#xa0;MHz sont dans des bandes différentes&#xa0;; la radio les exige dans la même bande.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>DCS code %1 is not in the radio&apos;s table.</source>
        <translation>le code DCS %1 ne figure pas dans la table de la radio.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CTCSS tone %1 is not in the radio&apos;s table.</source>
        <translation>la tonalité CTCSS %1 ne figure pas dans la table de la radio.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 &quot;%2&quot; is not two of the letters N and R.</source>
        <translation>%1 «&#xa0;%2&#xa0;» n&apos;est pas formé de deux des lettres N et R.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>%1 &quot;%2&quot; is not a pair such as Tone-&gt;DTCS.</source>
        <translation>%1 «&#xa0;%2&#xa0;» n&apos;est pas une paire comme Tone-&gt;DTCS.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 &quot;%2&quot; is not one of Tone, TSQL, DTCS, Cross, TSQL-R and DTCS-R.</source>
        <translation>%1 «&#xa0;%2&#xa0;» n&apos;est pas l&apos;une des valeurs Tone, TSQL, DTCS, Cross, TSQL-R et DTCS-R.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>%1 &quot;%2&quot; is not On or OFF.</source>
        <translation>%1 «&#xa0;%2&#xa0;» n&apos;est ni On ni OFF.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 &quot;%2&quot; is not High, Mid, Low or a number of watts.</source>
        <translation>%1 «&#xa0;%2&#xa0;» n&apos;est ni High, ni Mid, ni Low, ni un nombre de watts.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Frequency is empty.</source>
        <translation>la colonne Frequency est vide.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>no step of the radio fits both %1 MHz and the transmit frequency %2 MHz.</source>
        <translation>aucun pas de la radio ne convient à la fois à %1&#xa0;MHz et à la fréquence d&apos;émission %2&#xa0;MHz.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no step of the radio fits %1 MHz.</source>
        <translation>aucun pas de la radio ne convient à %1&#xa0;MHz.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 &quot;%2&quot; is not FM or NFM.</source>
        <translation>%1 «&#xa0;%2&#xa0;» n&apos;est ni FM ni NFM.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>the channel holds a value the radio cannot store.</source>
        <translation>le canal contient une valeur que la radio ne peut pas enregistrer.</translation>
    </message>
    <message>
        <location filename="../rules/FrequencyRules.cpp" line="+98"/>
        <source>Rx frequency is missing!</source>
        <translation>Fréquence RX manquante&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tx frequency is missing!</source>
        <translation>Fréquence TX manquante&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rx frequency and step do not match!</source>
        <translation>La fréquence RX ne correspond pas au pas&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tx frequency and step do not match!</source>
        <translation>La fréquence TX ne correspond pas au pas&#xa0;!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Invalid Rx frequency range!</source>
        <translation>Fréquence RX hors gamme&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid Tx frequency range!</source>
        <translation>Fréquence TX hors gamme&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid frequency range!</source>
        <translation>Fréquence hors gamme&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Frequencies should be in the same range!</source>
        <translation>Les fréquences doivent être dans la même gamme&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <location filename="../ui/common/DesktopPrompts.cpp" line="+83"/>
        <source>DAT Files (*.DAT)</source>
        <translation>Fichiers DAT (*.DAT)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <location filename="../model/ToneTables.cpp" line="+53"/>
        <source>On</source>
        <extracomment>The values of a channel&apos;s settings as the list and the Row Editor show them; files always keep them in English.</extracomment>
        <translation>Oui</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>OFF</source>
        <translation>Non</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High</source>
        <translation>Haute</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mid</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Low</source>
        <translation>Basse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wide</source>
        <translation>Large</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Narrow</source>
        <translation>Étroite</translation>
    </message>
</context>
</TS>
