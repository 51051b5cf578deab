<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CAboutDlg</name>
    <message>
        <location filename="../ui/main/AboutDlg.cpp" line="+11"/>
        <source>About Velmora</source>
        <translation>Informazioni su Velmora</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 Version %2</source>
        <translation>%1 versione %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copyright (C) %1</source>
        <translation>Copyright (C) %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This software is freeware.</source>
        <translation>Questo software è gratuito.</translation>
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
        <translation>Seleziona un&apos;altra riga</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select more rows</source>
        <translation>Estendi la selezione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move to another cell of the row</source>
        <translation>Passa a un&apos;altra cella della riga</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move to another row without changing the selection</source>
        <translation>Passa a un&apos;altra riga senza cambiare la selezione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select or unselect the row</source>
        <translation>Seleziona o deseleziona la riga</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open the list&apos;s menu</source>
        <translation>Apri il menu dell&apos;elenco</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>F2, or typing</source>
        <translation>F2, o digitando</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit the cell</source>
        <translation>Modifica la cella</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Switch an On/OFF cell</source>
        <translation>Commuta una cella Sì/No</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Store the edit and go down a row</source>
        <translation>Conferma la modifica e scendi di una riga</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Store the edit in every selected channel</source>
        <translation>Applica la modifica a tutti i canali selezionati</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Store the edit and go to the next or previous cell</source>
        <translation>Conferma la modifica e passa alla cella successiva o precedente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leave the cell as it was</source>
        <translation>Lascia la cella invariata</translation>
    </message>
</context>
<context>
    <name>CChannelPages</name>
    <message>
        <location filename="../ui/main/ChannelPages.cpp" line="+90"/>
        <source>%1 — %2 — 1 channel</source>
        <translation>%1 — %2 — 1 canale</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1 — %2 — %n channels</source>
        <translation>
            <numerusform>%1 — %2 — %n canale</numerusform>
            <numerusform>%1 — %2 — %n canali</numerusform>
        </translation>
    </message>
    <message>
        <location line="+138"/>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
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
        <translation>Differenza</translation>
    </message>
</context>
<context>
    <name>CCheckChannelsDlg</name>
    <message>
        <location filename="../ui/main/CheckChannelsDlg.cpp" line="+24"/>
        <source>Check Channels</source>
        <translation>Verifica canali</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Findings</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Severity</source>
        <translation>Gravità</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Check Again</source>
        <translation>Verifica di nuovo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No problems found.</source>
        <translation>Nessun problema trovato.</translation>
    </message>
</context>
<context>
    <name>CCompareDlg</name>
    <message>
        <location filename="../ui/main/CompareDlg.cpp" line="+44"/>
        <location line="+1"/>
        <source>Next Difference</source>
        <translation>Differenza successiva</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Previous Difference</source>
        <translation>Differenza precedente</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+107"/>
        <source>Show Differences Only</source>
        <translation>Mostra solo le differenze</translation>
    </message>
    <message>
        <location line="-105"/>
        <location line="+96"/>
        <source>Copy to Open File</source>
        <translation>Copia nel file aperto</translation>
    </message>
    <message>
        <location line="-93"/>
        <source>Compare With Another File...</source>
        <translation>Confronta con un altro file...</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Compare</source>
        <translation>Confronta</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>&amp;Compare</source>
        <translation>&amp;Confronta</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Open file: %1</source>
        <translation>File aperto: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Channels of the open file</source>
        <translation>Canali del file aperto</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Channels of %1</source>
        <translation>Canali di %1</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>1 channel of %1 could not be compared.</source>
        <translation>Impossibile confrontare 1 canale di %1.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n channels of %1 could not be compared.</source>
        <translation>
            <numerusform>Impossibile confrontare %n canale di %1.</numerusform>
            <numerusform>Impossibile confrontare %n canali di %1.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 line of %1 could not be compared.</source>
        <translation>Impossibile confrontare 1 riga di %1.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines of %1 could not be compared.</source>
        <translation>
            <numerusform>Impossibile confrontare %n riga di %1.</numerusform>
            <numerusform>Impossibile confrontare %n righe di %1.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+47"/>
        <source>only in %1</source>
        <extracomment>How a screen reader reads the marks of rows that differ.</extracomment>
        <translation>solo in %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>changed</source>
        <translation>modificato</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>only here</source>
        <translation>solo qui</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The channels are the same.</source>
        <translation>I canali sono uguali.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 channel differs: %1 changed, %2 only here, %3 only in %4.</source>
        <translation>1 canale è diverso (modificati: %1, solo qui: %2, solo in %4: %3).</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n channels differ: %1 changed, %2 only here, %3 only in %4.</source>
        <translation>
            <numerusform>%n canale è diverso (modificati: %1, solo qui: %2, solo in %4: %3).</numerusform>
            <numerusform>%n canali sono diversi (modificati: %1, solo qui: %2, solo in %4: %3).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CFindDlg</name>
    <message>
        <location filename="../ui/main/FindDlg.cpp" line="+11"/>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Find what:</source>
        <translation>Trova:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Find Next</source>
        <translation>Trova successivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find Previous</source>
        <translation>Trova precedente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>CImportDlg</name>
    <message>
        <location filename="../ui/import/ImportDlg.cpp" line="+44"/>
        <source>Open DAT File For Import</source>
        <translation>Apri file DAT da importare</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>IMPORT</source>
        <translation>IMPORTAZIONE</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Channels to import</source>
        <translation>Canali da importare</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>1 channel of %1 could not be imported.</source>
        <translation>Impossibile importare 1 canale di %1.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n channels of %1 could not be imported.</source>
        <translation>
            <numerusform>Impossibile importare %n canale di %1.</numerusform>
            <numerusform>Impossibile importare %n canali di %1.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 line of %1 could not be imported.</source>
        <translation>Impossibile importare 1 riga di %1.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines of %1 could not be imported.</source>
        <translation>
            <numerusform>Impossibile importare %n riga di %1.</numerusform>
            <numerusform>Impossibile importare %n righe di %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CMainDlg</name>
    <message>
        <location filename="../ui/main/MainDlg.cpp" line="+72"/>
        <source>Open DAT File</source>
        <translation>Apri file DAT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open DAT</source>
        <translation>Apri DAT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save DAT File</source>
        <translation>Salva file DAT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save DAT</source>
        <translation>Salva DAT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export CSV...</source>
        <translation>Esporta CSV...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print...</source>
        <translation>Stampa...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print Preview...</source>
        <translation>Anteprima di stampa...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export PDF...</source>
        <translation>Esporta PDF...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Compare...</source>
        <translation>Confronta...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Up 15</source>
        <translation>Su di 15</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Down 15</source>
        <translation>Giù di 15</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Row</source>
        <translation>Inserisci riga</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete and Close Up</source>
        <translation>Elimina e compatta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Velmora...</source>
        <translation>&amp;Informazioni su Velmora...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keyboard Shortcuts</source>
        <translation>Scorciatoie da tastiera</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find...</source>
        <translation>Trova...</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+338"/>
        <source>Find Next</source>
        <translation>Trova successivo</translation>
    </message>
    <message>
        <location line="-336"/>
        <source>Find Previous</source>
        <translation>Trova precedente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sort...</source>
        <translation>Ordina...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check Channels...</source>
        <translation>Verifica canali...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <translation>Rifai</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Mode</source>
        <translation>Modello</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Show all columns</source>
        <translation>Mostra tutte le colonne</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Invalid frequency!</source>
        <translation>Frequenza non valida!</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Choose %1 in the Mode box.</source>
        <translation>Scegliere %1 nella casella «Modello».</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Changes are not saved. Open another file anyway?</source>
        <translation>Le modifiche non sono state salvate. Aprire comunque un altro file?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 was changed by another program since it was opened. Replace it anyway?</source>
        <translation>%1 è stato modificato da un altro programma dopo l&apos;apertura. Sostituirlo comunque?</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Velmora opens one file per window; %1 was not opened.</source>
        <translation>Velmora apre un file per finestra; %1 non è stato aperto.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 and %2</source>
        <extracomment>A list of files: &quot;a.DAT, b.DAT and c.DAT&quot;.</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Velmora opens one file per window; %1 were not opened.</source>
        <translation>Velmora apre un file per finestra; %1 non sono stati aperti.</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Export CSV</source>
        <translation>Esporta CSV</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Show the finding&apos;s channel</source>
        <translation>Mostra il canale interessato</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../ui/main/MainDlgCommands.cpp" line="+204"/>
        <source>Row Editor</source>
        <translation>Editor di riga</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check Channels</source>
        <translation>Verifica canali</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Main window</source>
        <translation>Finestra principale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channel list</source>
        <translation>Elenco canali</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Import window</source>
        <translation>Finestra di importazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compare window</source>
        <translation>Finestra di confronto</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Changes are not saved. Exit anyway?</source>
        <translation>Le modifiche non sono state salvate. Uscire comunque?</translation>
    </message>
    <message>
        <location filename="../ui/main/MainDlgCommands.cpp" line="-123"/>
        <source>Edit %1</source>
        <translation>Modifica %1</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>The clipboard holds no channels Velmora can read.</source>
        <translation>Gli appunti non contengono canali leggibili da Velmora.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>1 channel of the clipboard could not be pasted.</source>
        <translation>Impossibile incollare 1 canale dagli appunti.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n channels of the clipboard could not be pasted.</source>
        <translation>
            <numerusform>Impossibile incollare %n canale dagli appunti.</numerusform>
            <numerusform>Impossibile incollare %n canali dagli appunti.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 line of the clipboard could not be pasted.</source>
        <translation>Impossibile incollare 1 riga dagli appunti.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines of the clipboard could not be pasted.</source>
        <translation>
            <numerusform>Impossibile incollare %n riga dagli appunti.</numerusform>
            <numerusform>Impossibile incollare %n righe dagli appunti.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+127"/>
        <source>Compare With</source>
        <translation>Confronta con</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Copy from %1</source>
        <translation>Copia da %1</translation>
    </message>
    <message>
        <location filename="../ui/main/MainDlgPrinting.cpp" line="+66"/>
        <source>Export PDF</source>
        <translation>Esporta PDF</translation>
    </message>
    <message>
        <location filename="../ui/main/MainDlgSearch.cpp" line="+43"/>
        <source>No channel matches &quot;%1&quot;.</source>
        <translation>Nessun canale corrisponde a «%1».</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Sort</source>
        <translation>Ordina</translation>
    </message>
    <message>
        <location filename="../ui/main/MainDlgSettings.cpp" line="+54"/>
        <source>Recent &amp;Files</source>
        <translation>File &amp;recenti</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Clear Recent Files</source>
        <translation>Svuota elenco</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Takes effect when Velmora starts again</source>
        <translation>Ha effetto al prossimo avvio di Velmora</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>System Default</source>
        <translation>Lingua di sistema</translation>
    </message>
</context>
<context>
    <name>CRowEditorDlg</name>
    <message>
        <location filename="../ui/editor/RowEditorCommands.cpp" line="+80"/>
        <source>Selected row: %1</source>
        <translation>Riga selezionata: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../ui/editor/RowEditorDlg.cpp" line="+100"/>
        <source>Selected rows: %1 - %2</source>
        <translation>Righe selezionate: %1 - %2</translation>
    </message>
    <message>
        <location filename="../ui/editor/RowEditorDlg.cpp" line="-29"/>
        <source>Row Editor</source>
        <translation>Editor di riga</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt; Prev</source>
        <translation>&lt; Prec.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next &gt;</source>
        <translation>Succ. &gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Frequency Configuration</source>
        <translation>Configurazione frequenze</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>RX:</source>
        <translation>RX:</translation>
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
        <translation>TX:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>TX</source>
        <translation>TX</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Step:</source>
        <translation>Passo:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kHz</source>
        <translation>kHz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Step</source>
        <translation>Passo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>QT/DQT RX:</source>
        <translation>CTCSS/DCS RX:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QT/DQT TX:</source>
        <translation>CTCSS/DCS TX:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reverse:</source>
        <translation>Inversione:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TX Power:</source>
        <translation>Potenza TX:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scramble:</source>
        <translation>Scrambler:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>W/N:</source>
        <translation>Larghezza banda:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan Add:</source>
        <translation>Scansione:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Busy Set:</source>
        <translation>Blocco occupato:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Keep multiple values</source>
        <translation>Mantieni i valori</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep multiple values: %1</source>
        <translation>Mantieni i valori: %1</translation>
    </message>
</context>
<context>
    <name>CShortcutsDlg</name>
    <message>
        <location filename="../ui/main/ShortcutsDlg.cpp" line="+26"/>
        <source>Keyboard Shortcuts</source>
        <translation>Scorciatoie da tastiera</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Keyboard shortcuts</source>
        <translation>Scorciatoie da tastiera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keys</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What they do</source>
        <translation>Funzione</translation>
    </message>
</context>
<context>
    <name>CSortDlg</name>
    <message>
        <location filename="../ui/main/SortDlg.cpp" line="+13"/>
        <source>Sort</source>
        <translation>Ordina</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Descending</source>
        <translation>Decrescente</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sort by:</source>
        <translation>Ordina per:</translation>
    </message>
</context>
<context>
    <name>CSystemClipboard</name>
    <message>
        <location filename="../ui/common/SystemClipboard.cpp" line="+81"/>
        <source>Channel %1: %2</source>
        <translation>Canale %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line %1: %2</source>
        <translation>Riga %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>... and %1 more.</source>
        <translation>... e altri %1.</translation>
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
        <translation>Nome</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>RX Freq</source>
        <translation>Freq. RX</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TX Freq</source>
        <translation>Freq. TX</translation>
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
        <translation>Passo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reverse</source>
        <translation>Inversione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TX Power</source>
        <translation>Potenza</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scramble</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>W/N</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Range</source>
        <translation>Banda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan</source>
        <translation>Scansione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Busy Set</source>
        <translation>Blocco occupato</translation>
    </message>
</context>
<context>
    <name>Failures</name>
    <message>
        <location filename="../ui/common/CommandRunner.cpp" line="+25"/>
        <source>Open operation failed.</source>
        <translation>Apertura non riuscita.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save operation failed.</source>
        <translation>Salvataggio non riuscito.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export operation failed.</source>
        <translation>Esportazione non riuscita.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print operation failed.</source>
        <translation>Stampa non riuscita.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error creating Dialog</source>
        <translation>Errore nella creazione della finestra di dialogo</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <location filename="../document/ChannelCheck.cpp" line="+60"/>
        <source>same frequencies and tones as channel %1</source>
        <translation>stesse frequenze e toni del canale %1</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>same frequencies and tones as line %1</source>
        <translation>stesse frequenze e toni della riga %1</translation>
    </message>
    <message>
        <location filename="../document/ChannelDocument.cpp" line="+149"/>
        <source>%1 holds no channels.</source>
        <translation>%1 non contiene canali.</translation>
    </message>
    <message>
        <location filename="../document/DocumentEdits.cpp" line="+108"/>
        <source>%1 has no %2 frequency, but this radio works only at 400 MHz and above.</source>
        <extracomment>%1 is &quot;Channel 7&quot; or &quot;Pasted channel 1 of 3, for row 20,&quot;; %2 is RX or TX.</extracomment>
        <translation>%1 non ha una frequenza %2, ma questa radio funziona solo da 400&#xa0;MHz in su.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 has no %2 frequency, but this radio works only below 400 MHz.</source>
        <translation>%1 non ha una frequenza %2, ma questa radio funziona solo sotto i 400&#xa0;MHz.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 has the %2 frequency %3 MHz, but this radio works only at 400 MHz and above.</source>
        <translation>%1 ha una frequenza %2 di %3&#xa0;MHz, ma questa radio funziona solo da 400&#xa0;MHz in su.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 has the %2 frequency %3 MHz, but this radio works only below 400 MHz.</source>
        <translation>%1 ha una frequenza %2 di %3&#xa0;MHz, ma questa radio funziona solo sotto i 400&#xa0;MHz.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Channel %1</source>
        <translation>Il canale %1</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Pasted channel %1 of %2, for row %3,</source>
        <translation>Il canale incollato %1 di %2 (per la riga %3)</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Channel %1: %2</source>
        <translation>Canale %1: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The last row holds a channel; delete it first.</source>
        <translation>L&apos;ultima riga contiene un canale; eliminarlo prima.</translation>
    </message>
    <message>
        <location filename="../document/RadioConversion.cpp" line="+76"/>
        <source>Channel %1 has no place on a %2 (channels 0–%3).</source>
        <translation>Il canale %1 non trova posto in un %2 (canali 0–%3).</translation>
    </message>
    <message>
        <location filename="../model/DatFile.cpp" line="+30"/>
        <source>The file has %1 bytes; a %2 file has %3 bytes and a %4 file %5.</source>
        <translation>Il file ha %1 byte; un file %2 ha %3 byte e un file %4 %5.</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Il file «%1» non esiste.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>«%1» è una cartella, non un file.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; is not a file.</source>
        <translation>«%1» non è un file.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You may not read the file &quot;%1&quot;.</source>
        <translation>Non si hanno i permessi per leggere il file «%1».</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file &quot;%1&quot; is write-protected.</source>
        <translation>Il file «%1» è protetto da scrittura.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>La cartella «%1» non esiste.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You may not write in the folder &quot;%1&quot;.</source>
        <translation>Non si hanno i permessi per scrivere nella cartella «%1».</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The symbolic links of &quot;%1&quot; lead around in a circle.</source>
        <translation>I collegamenti simbolici di «%1» formano un ciclo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The disk is full.</source>
        <translation>Il disco è pieno.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file would be larger than this system lets Velmora write.</source>
        <translation>Il file sarebbe più grande di quanto questo sistema consenta a Velmora di scrivere.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file &quot;%1&quot; could not be read to its end.</source>
        <translation>Impossibile leggere il file «%1» fino alla fine.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file has %1 bytes where a %2 file has %3. It is a %4 file.</source>
        <translation>Il file ha %1 byte, mentre un file %2 ne ha %3. È un file %4.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file has %1 bytes where a %2 file has %3.</source>
        <translation>Il file ha %1 byte, mentre un file %2 ne ha %3.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file has %1 bytes, more than a list of channels ever needs.</source>
        <translation>Il file ha %1 byte, più di quanti ne servano a qualsiasi elenco di canali.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Channel %1 holds a value the radio does not know in the column &quot;%2&quot;.</source>
        <translation>Il canale %1 contiene nella colonna «%2» un valore sconosciuto alla radio.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The system reports: %1.</source>
        <translation>Il sistema segnala: %1.</translation>
    </message>
    <message>
        <location filename="../rules/CellEdit.cpp" line="+74"/>
        <source>This column cannot be edited.</source>
        <translation>Questa colonna non è modificabile.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>A name holds up to six of the letters A to Z, the digits and the characters space * + - / _.</source>
        <translation>Un nome ha al massimo sei caratteri: lettere dalla A alla Z, cifre, spazio e * + - / _.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&quot;%1&quot; is not one of this column&apos;s values.</source>
        <translation>«%1» non è uno dei valori di questa colonna.</translation>
    </message>
    <message>
        <location filename="../rules/ChannelCsv.cpp" line="+61"/>
        <source>%1 &quot;%2&quot; is not a row number from 0 to %3.</source>
        <translation>%1 «%2» non è un numero di riga da 0 a %3.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Location %1 was given before, in line %2.</source>
        <translation>Location %1 compare già nella riga %2.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>a quoted field is not closed.</source>
        <translation>un campo tra virgolette non è chiuso.</translation>
    </message>
    <message>
        <location filename="../rules/CsvHeader.cpp" line="+53"/>
        <source>The file has no header line naming its columns, such as Location and Frequency.</source>
        <translation>Il file non ha una riga di intestazione con i nomi delle colonne, come Location e Frequency.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file has no &quot;%1&quot; column.</source>
        <translation>Il file non ha la colonna «%1».</translation>
    </message>
    <message>
        <location filename="../rules/CsvLineReader.cpp" line="+81"/>
        <source>%1 &quot;%2&quot; is not a number of MHz.</source>
        <extracomment>Reasons a list&apos;s line gives no channel follow &quot;Line 4: &quot;, in lower case where a word begins them. %1 is always the name of a column of the CSV file (Frequency, Offset, Duplex, Power…), which stays English, and %2 the text the file has there.</extracomment>
        <translation>%1 «%2» non è un numero di&#xa0;MHz.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 %2 MHz is not a whole multiple of 10 Hz.</source>
        <translation>%1 %2&#xa0;MHz non è un multiplo intero di 10&#xa0;Hz.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>the transmit frequency %1 MHz is outside this TG-6A&apos;s band (%2 MHz).</source>
        <translation>la frequenza di trasmissione %1&#xa0;MHz è fuori dalla banda di questo TG-6A (%2&#xa0;MHz).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the transmit frequency %1 MHz is outside the %2&apos;s bands (%3 MHz).</source>
        <translation>la frequenza di trasmissione %1&#xa0;MHz è fuori dalle bande del %2 (%3&#xa0;MHz).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 MHz is outside this TG-6A&apos;s band (%2 MHz).</source>
        <translation>%1&#xa0;MHz è fuori dalla banda di questo TG-6A (%2&#xa0;MHz).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 MHz is outside the %2&apos;s bands (%3 MHz).</source>
        <translation>%1&#xa0;MHz è fuori dalle bande del %2 (%3&#xa0;MHz).</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>receive-only channels (Duplex &quot;off&quot;) cannot be stored in this radio.</source>
        <translation>i canali di sola ricezione (Duplex «off») non possono essere memorizzati in questa radio.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 &quot;%2&quot; is not +, -, split, off or empty.</source>
        <translation>%1 «%2» non è +, -, split, off o vuoto.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>a split channel needs its transmit frequency in the Offset column.</source>
        <translation>un canale split richiede la frequenza di trasmissione nella colonna Offset.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 MHz and the transmit frequency %2 MHz are in different bands; the radio needs both in one.</source>
        <translation>%1&#xa0;MHz e la frequenza di trasmissione %2&#xa0;MHz sono in bande diverse; la radio le richiede nella stessa banda.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>DCS code %1 is not in the radio&apos;s table.</source>
        <translation>il codice DCS %1 non è nella tabella della radio.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CTCSS tone %1 is not in the radio&apos;s table.</source>
        <translation>il tono CTCSS %1 non è nella tabella della radio.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 &quot;%2&quot; is not two of the letters N and R.</source>
        <translation>%1 «%2» non è formato da due delle lettere N e R.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>%1 &quot;%2&quot; is not a pair such as Tone-&gt;DTCS.</source>
        <translation>%1 «%2» non è una coppia come Tone-&gt;DTCS.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 &quot;%2&quot; is not one of Tone, TSQL, DTCS, Cross, TSQL-R and DTCS-R.</source>
        <translation>%1 «%2» non è uno tra Tone, TSQL, DTCS, Cross, TSQL-R e DTCS-R.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>%1 &quot;%2&quot; is not On or OFF.</source>
        <translation>%1 «%2» non è né On né OFF.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 &quot;%2&quot; is not High, Mid, Low or a number of watts.</source>
        <translation>%1 «%2» non è né High, né Mid, né Low, né un numero di watt.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Frequency is empty.</source>
        <translation>la colonna Frequency è vuota.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>no step of the radio fits both %1 MHz and the transmit frequency %2 MHz.</source>
        <translation>nessun passo della radio è adatto sia a %1&#xa0;MHz sia alla frequenza di trasmissione %2&#xa0;MHz.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no step of the radio fits %1 MHz.</source>
        <translation>nessun passo della radio è adatto a %1&#xa0;MHz.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 &quot;%2&quot; is not FM or NFM.</source>
        <translation>%1 «%2» non è né FM né NFM.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>the channel holds a value the radio cannot store.</source>
        <translation>il canale contiene un valore che la radio non può memorizzare.</translation>
    </message>
    <message>
        <location filename="../rules/FrequencyRules.cpp" line="+98"/>
        <source>Rx frequency is missing!</source>
        <translation>Frequenza RX mancante!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tx frequency is missing!</source>
        <translation>Frequenza TX mancante!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rx frequency and step do not match!</source>
        <translation>La frequenza RX non corrisponde al passo!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tx frequency and step do not match!</source>
        <translation>La frequenza TX non corrisponde al passo!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Invalid Rx frequency range!</source>
        <translation>Frequenza RX fuori banda!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid Tx frequency range!</source>
        <translation>Frequenza TX fuori banda!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid frequency range!</source>
        <translation>Frequenza fuori banda!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Frequencies should be in the same range!</source>
        <translation>Le frequenze devono essere nella stessa banda!</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <location filename="../ui/common/DesktopPrompts.cpp" line="+83"/>
        <source>DAT Files (*.DAT)</source>
        <translation>File DAT (*.DAT)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CSV Files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PDF Files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <location filename="../model/ToneTables.cpp" line="+53"/>
        <source>On</source>
        <extracomment>The values of a channel&apos;s settings as the list and the Row Editor show them; files always keep them in English.</extracomment>
        <translation>Sì</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>OFF</source>
        <translation>No</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mid</source>
        <translation>Media</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Low</source>
        <translation>Bassa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wide</source>
        <translation>Larga</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Narrow</source>
        <translation>Stretta</translation>
    </message>
</context>
</TS>
