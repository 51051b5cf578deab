<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>CAboutDlg</name>
    <message>
        <location filename="../ui/main/AboutDlg.cpp" line="+11"/>
        <source>About Velmora</source>
        <translation>O programu Velmora</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 Version %2</source>
        <translation>%1 verze %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copyright (C) %1</source>
        <translation>Copyright (C) %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This software is freeware.</source>
        <translation>Tento program je freeware.</translation>
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
        <translation>Vybrat jiný řádek</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select more rows</source>
        <translation>Vybrat více řádků</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move to another cell of the row</source>
        <translation>Přejít na jinou buňku řádku</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move to another row without changing the selection</source>
        <translation>Přejít na jiný řádek beze změny výběru</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select or unselect the row</source>
        <translation>Vybrat řádek nebo zrušit jeho výběr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open the list&apos;s menu</source>
        <translation>Otevřít nabídku seznamu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>F2, or typing</source>
        <translation>F2 nebo začít psát</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit the cell</source>
        <translation>Upravit buňku</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Switch an On/OFF cell</source>
        <translation>Přepnout buňku Zap./Vyp.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Store the edit and go down a row</source>
        <translation>Potvrdit úpravu a přejít o řádek níž</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Store the edit in every selected channel</source>
        <translation>Potvrdit úpravu ve všech vybraných kanálech</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Store the edit and go to the next or previous cell</source>
        <translation>Potvrdit úpravu a přejít na další nebo předchozí buňku</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leave the cell as it was</source>
        <translation>Ponechat buňku beze změny</translation>
    </message>
</context>
<context>
    <name>CChannelPages</name>
    <message>
        <location filename="../ui/main/ChannelPages.cpp" line="+90"/>
        <source>%1 — %2 — 1 channel</source>
        <translation>%1 — %2 — 1 kanál</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1 — %2 — %n channels</source>
        <translation>
            <numerusform>%1 — %2 — %n kanál</numerusform>
            <numerusform>%1 — %2 — %n kanály</numerusform>
            <numerusform>%1 — %2 — %n kanálů</numerusform>
        </translation>
    </message>
    <message>
        <location line="+138"/>
        <source>Page %1 of %2</source>
        <translation>Strana %1 z %2</translation>
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
        <translation>Rozdíl</translation>
    </message>
</context>
<context>
    <name>CCheckChannelsDlg</name>
    <message>
        <location filename="../ui/main/CheckChannelsDlg.cpp" line="+24"/>
        <source>Check Channels</source>
        <translation>Kontrola kanálů</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Findings</source>
        <translation>Nálezy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Severity</source>
        <translation>Závažnost</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Problem</source>
        <translation>Problém</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Check Again</source>
        <translation>Zkontrolovat znovu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Warning</source>
        <translation>Varování</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No problems found.</source>
        <translation>Nebyly nalezeny žádné problémy.</translation>
    </message>
</context>
<context>
    <name>CCompareDlg</name>
    <message>
        <location filename="../ui/main/CompareDlg.cpp" line="+44"/>
        <location line="+1"/>
        <source>Next Difference</source>
        <translation>Další rozdíl</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Previous Difference</source>
        <translation>Předchozí rozdíl</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+107"/>
        <source>Show Differences Only</source>
        <translation>Zobrazit jen rozdíly</translation>
    </message>
    <message>
        <location line="-105"/>
        <location line="+96"/>
        <source>Copy to Open File</source>
        <translation>Kopírovat do otevřeného souboru</translation>
    </message>
    <message>
        <location line="-93"/>
        <source>Compare With Another File...</source>
        <translation>Porovnat s jiným souborem...</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Compare</source>
        <translation>Porovnání</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>&amp;Compare</source>
        <translation>&amp;Porovnání</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Open file: %1</source>
        <translation>Otevřený soubor: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Channels of the open file</source>
        <translation>Kanály otevřeného souboru</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Channels of %1</source>
        <translation>Kanály souboru %1</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>1 channel of %1 could not be compared.</source>
        <translation>1 kanál ze souboru %1 se nepodařilo porovnat.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n channels of %1 could not be compared.</source>
        <translation>
            <numerusform>%n kanál ze souboru %1 se nepodařilo porovnat.</numerusform>
            <numerusform>%n kanály ze souboru %1 se nepodařilo porovnat.</numerusform>
            <numerusform>%n kanálů ze souboru %1 se nepodařilo porovnat.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 line of %1 could not be compared.</source>
        <translation>1 řádek ze souboru %1 se nepodařilo porovnat.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines of %1 could not be compared.</source>
        <translation>
            <numerusform>%n řádek ze souboru %1 se nepodařilo porovnat.</numerusform>
            <numerusform>%n řádky ze souboru %1 se nepodařilo porovnat.</numerusform>
            <numerusform>%n řádků ze souboru %1 se nepodařilo porovnat.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+47"/>
        <source>only in %1</source>
        <extracomment>How a screen reader reads the marks of rows that differ.</extracomment>
        <translation>jen v %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>changed</source>
        <translation>změněno</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>only here</source>
        <translation>jen zde</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The channels are the same.</source>
        <translation>Kanály jsou stejné.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 channel differs: %1 changed, %2 only here, %3 only in %4.</source>
        <translation>Liší se 1 kanál (změněno: %1; jen zde: %2; jen v %4: %3).</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n channels differ: %1 changed, %2 only here, %3 only in %4.</source>
        <translation>
            <numerusform>Liší se %n kanál (změněno: %1; jen zde: %2; jen v %4: %3).</numerusform>
            <numerusform>Liší se %n kanály (změněno: %1; jen zde: %2; jen v %4: %3).</numerusform>
            <numerusform>Liší se %n kanálů (změněno: %1; jen zde: %2; jen v %4: %3).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CFindDlg</name>
    <message>
        <location filename="../ui/main/FindDlg.cpp" line="+11"/>
        <source>Find</source>
        <translation>Najít</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Find what:</source>
        <translation>Najít:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Find Next</source>
        <translation>Najít další</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find Previous</source>
        <translation>Najít předchozí</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
</context>
<context>
    <name>CImportDlg</name>
    <message>
        <location filename="../ui/import/ImportDlg.cpp" line="+44"/>
        <source>Open DAT File For Import</source>
        <translation>Otevřít soubor DAT pro import</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>IMPORT</source>
        <translation>IMPORT</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Channels to import</source>
        <translation>Kanály k importu</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>1 channel of %1 could not be imported.</source>
        <translation>1 kanál ze souboru %1 se nepodařilo importovat.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n channels of %1 could not be imported.</source>
        <translation>
            <numerusform>%n kanál ze souboru %1 se nepodařilo importovat.</numerusform>
            <numerusform>%n kanály ze souboru %1 se nepodařilo importovat.</numerusform>
            <numerusform>%n kanálů ze souboru %1 se nepodařilo importovat.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 line of %1 could not be imported.</source>
        <translation>1 řádek ze souboru %1 se nepodařilo importovat.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines of %1 could not be imported.</source>
        <translation>
            <numerusform>%n řádek ze souboru %1 se nepodařilo importovat.</numerusform>
            <numerusform>%n řádky ze souboru %1 se nepodařilo importovat.</numerusform>
            <numerusform>%n řádků ze souboru %1 se nepodařilo importovat.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CMainDlg</name>
    <message>
        <location filename="../ui/main/MainDlg.cpp" line="+72"/>
        <source>Open DAT File</source>
        <translation>Otevřít soubor DAT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open DAT</source>
        <translation>Otevřít DAT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save DAT File</source>
        <translation>Uložit soubor DAT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save DAT</source>
        <translation>Uložit DAT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export CSV...</source>
        <translation>Exportovat CSV...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print...</source>
        <translation>Tisk...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print Preview...</source>
        <translation>Náhled tisku...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export PDF...</source>
        <translation>Exportovat PDF...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Compare...</source>
        <translation>Porovnat...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Up</source>
        <translation>Nahoru</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Down</source>
        <translation>Dolů</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Up 15</source>
        <translation>Nahoru o 15</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Down 15</source>
        <translation>Dolů o 15</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Row</source>
        <translation>Vložit řádek</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete and Close Up</source>
        <translation>Smazat a posunout nahoru</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cut</source>
        <translation>Vyjmout</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paste</source>
        <translation>Vložit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Edit</source>
        <translation>Upravit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New</source>
        <translation>Nový</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Import</source>
        <translation>Importovat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Velmora...</source>
        <translation>&amp;O programu Velmora...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keyboard Shortcuts</source>
        <translation>Klávesové zkratky</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find...</source>
        <translation>Najít...</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+338"/>
        <source>Find Next</source>
        <translation>Najít další</translation>
    </message>
    <message>
        <location line="-336"/>
        <source>Find Previous</source>
        <translation>Najít předchozí</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sort...</source>
        <translation>Seřadit...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check Channels...</source>
        <translation>Zkontrolovat kanály...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <translation>Znovu</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Edit</source>
        <translation>Úpr&amp;avy</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Mode</source>
        <translation>Model</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Show all columns</source>
        <translation>Zobrazit všechny sloupce</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Channels</source>
        <translation>Kanály</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Invalid frequency!</source>
        <translation>Neplatný kmitočet!</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Choose %1 in the Mode box.</source>
        <translation>Vyberte %1 v poli Model.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Changes are not saved. Open another file anyway?</source>
        <translation>Změny nejsou uloženy. Přesto otevřít jiný soubor?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 was changed by another program since it was opened. Replace it anyway?</source>
        <translation>Soubor %1 byl od otevření změněn jiným programem. Přesto jej nahradit?</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Velmora opens one file per window; %1 was not opened.</source>
        <translation>Velmora otevírá v každém okně jen jeden soubor; soubor %1 nebyl otevřen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 and %2</source>
        <extracomment>A list of files: &quot;a.DAT, b.DAT and c.DAT&quot;.</extracomment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Velmora opens one file per window; %1 were not opened.</source>
        <translation>Velmora otevírá v každém okně jen jeden soubor; soubory %1 nebyly otevřeny.</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Export CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Show the finding&apos;s channel</source>
        <translation>Zobrazit kanál, kterého se nález týká</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../ui/main/MainDlgCommands.cpp" line="+204"/>
        <source>Row Editor</source>
        <translation>Editor řádků</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find</source>
        <translation>Najít</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check Channels</source>
        <translation>Kontrola kanálů</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Main window</source>
        <translation>Hlavní okno</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channel list</source>
        <translation>Seznam kanálů</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Import window</source>
        <translation>Okno importu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compare window</source>
        <translation>Okno porovnání</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Changes are not saved. Exit anyway?</source>
        <translation>Změny nejsou uloženy. Přesto ukončit?</translation>
    </message>
    <message>
        <location filename="../ui/main/MainDlgCommands.cpp" line="-123"/>
        <source>Edit %1</source>
        <translation>Upravit %1</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>The clipboard holds no channels Velmora can read.</source>
        <translation>Schránka neobsahuje žádné kanály, které Velmora umí přečíst.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>1 channel of the clipboard could not be pasted.</source>
        <translation>1 kanál ze schránky se nepodařilo vložit.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n channels of the clipboard could not be pasted.</source>
        <translation>
            <numerusform>%n kanál ze schránky se nepodařilo vložit.</numerusform>
            <numerusform>%n kanály ze schránky se nepodařilo vložit.</numerusform>
            <numerusform>%n kanálů ze schránky se nepodařilo vložit.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 line of the clipboard could not be pasted.</source>
        <translation>1 řádek ze schránky se nepodařilo vložit.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines of the clipboard could not be pasted.</source>
        <translation>
            <numerusform>%n řádek ze schránky se nepodařilo vložit.</numerusform>
            <numerusform>%n řádky ze schránky se nepodařilo vložit.</numerusform>
            <numerusform>%n řádků ze schránky se nepodařilo vložit.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+127"/>
        <source>Compare With</source>
        <translation>Porovnat s</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Copy from %1</source>
        <translation>Kopírovat z %1</translation>
    </message>
    <message>
        <location filename="../ui/main/MainDlgPrinting.cpp" line="+66"/>
        <source>Export PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <location filename="../ui/main/MainDlgSearch.cpp" line="+43"/>
        <source>No channel matches &quot;%1&quot;.</source>
        <translation>Hledanému „%1“ neodpovídá žádný kanál.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Sort</source>
        <translation>Seřadit</translation>
    </message>
    <message>
        <location filename="../ui/main/MainDlgSettings.cpp" line="+54"/>
        <source>Recent &amp;Files</source>
        <translation>&amp;Poslední soubory</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Clear Recent Files</source>
        <translation>Vymazat seznam posledních souborů</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;Language</source>
        <translation>&amp;Jazyk</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Takes effect when Velmora starts again</source>
        <translation>Projeví se po novém spuštění programu</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>System Default</source>
        <translation>Jazyk systému</translation>
    </message>
</context>
<context>
    <name>CRowEditorDlg</name>
    <message>
        <location filename="../ui/editor/RowEditorCommands.cpp" line="+80"/>
        <source>Selected row: %1</source>
        <translation>Vybraný řádek: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../ui/editor/RowEditorDlg.cpp" line="+100"/>
        <source>Selected rows: %1 - %2</source>
        <translation>Vybrané řádky: %1 - %2</translation>
    </message>
    <message>
        <location filename="../ui/editor/RowEditorDlg.cpp" line="-29"/>
        <source>Row Editor</source>
        <translation>Editor řádků</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>New</source>
        <translation>Nový</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt; Prev</source>
        <translation>&lt; Předchozí</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next &gt;</source>
        <translation>Další &gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Frequency Configuration</source>
        <translation>Nastavení kmitočtu</translation>
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
        <translation>Krok:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kHz</source>
        <translation>kHz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Step</source>
        <translation>Krok</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Name:</source>
        <translation>Název:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>QT/DQT RX:</source>
        <translation>QT/DQT RX:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QT/DQT TX:</source>
        <translation>QT/DQT TX:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reverse:</source>
        <translation>Reverz:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TX Power:</source>
        <translation>Výkon TX:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scramble:</source>
        <translation>Scrambler:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>W/N:</source>
        <translation>Šířka:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan Add:</source>
        <translation>Skenování:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Busy Set:</source>
        <translation>Blok. obsaz.:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Keep multiple values</source>
        <translation>Ponechat různé hodnoty</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep multiple values: %1</source>
        <translation>Ponechat různé hodnoty: %1</translation>
    </message>
</context>
<context>
    <name>CShortcutsDlg</name>
    <message>
        <location filename="../ui/main/ShortcutsDlg.cpp" line="+26"/>
        <source>Keyboard Shortcuts</source>
        <translation>Klávesové zkratky</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Keyboard shortcuts</source>
        <translation>Klávesové zkratky</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keys</source>
        <translation>Klávesy</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What they do</source>
        <translation>Funkce</translation>
    </message>
</context>
<context>
    <name>CSortDlg</name>
    <message>
        <location filename="../ui/main/SortDlg.cpp" line="+13"/>
        <source>Sort</source>
        <translation>Řazení</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Descending</source>
        <translation>Sestupně</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sort by:</source>
        <translation>Seřadit podle:</translation>
    </message>
</context>
<context>
    <name>CSystemClipboard</name>
    <message>
        <location filename="../ui/common/SystemClipboard.cpp" line="+81"/>
        <source>Channel %1: %2</source>
        <translation>Kanál %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line %1: %2</source>
        <translation>Řádek %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>... and %1 more.</source>
        <translation>... a dalších: %1.</translation>
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
        <translation>Název</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>RX Freq</source>
        <translation>Kmitočet RX</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TX Freq</source>
        <translation>Kmitočet TX</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>QT/DQT Dec</source>
        <translation>QT/DQT RX</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>QT/DQT Enc</source>
        <translation>QT/DQT TX</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Step</source>
        <translation>Krok</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reverse</source>
        <translation>Reverz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TX Power</source>
        <translation>Výkon TX</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scramble</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>W/N</source>
        <translation>Šířka</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Range</source>
        <translation>Pásmo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan</source>
        <translation>Sken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Busy Set</source>
        <translation>Blok. obsaz.</translation>
    </message>
</context>
<context>
    <name>Failures</name>
    <message>
        <location filename="../ui/common/CommandRunner.cpp" line="+25"/>
        <source>Open operation failed.</source>
        <translation>Otevření se nezdařilo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save operation failed.</source>
        <translation>Uložení se nezdařilo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export operation failed.</source>
        <translation>Export se nezdařil.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print operation failed.</source>
        <translation>Tisk se nezdařil.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error creating Dialog</source>
        <translation>Chyba při vytváření dialogového okna</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <location filename="../document/ChannelCheck.cpp" line="+60"/>
        <source>same frequencies and tones as channel %1</source>
        <translation>stejné kmitočty a tóny jako kanál %1</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>same frequencies and tones as line %1</source>
        <translation>stejné kmitočty a tóny jako řádek %1</translation>
    </message>
    <message>
        <location filename="../document/ChannelDocument.cpp" line="+149"/>
        <source>%1 holds no channels.</source>
        <translation>%1 neobsahuje žádné kanály.</translation>
    </message>
    <message>
        <location filename="../document/DocumentEdits.cpp" line="+108"/>
        <source>%1 has no %2 frequency, but this radio works only at 400 MHz and above.</source>
        <extracomment>%1 is &quot;Channel 7&quot; or &quot;Pasted channel 1 of 3, for row 20,&quot;; %2 is RX or TX.</extracomment>
        <translation>%1 nemá kmitočet %2, ale tato radiostanice pracuje jen od 400 MHz výše.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 has no %2 frequency, but this radio works only below 400 MHz.</source>
        <translation>%1 nemá kmitočet %2, ale tato radiostanice pracuje jen pod 400 MHz.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 has the %2 frequency %3 MHz, but this radio works only at 400 MHz and above.</source>
        <translation>%1 má kmitočet %2 %3 MHz, ale tato radiostanice pracuje jen od 400 MHz výše.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 has the %2 frequency %3 MHz, but this radio works only below 400 MHz.</source>
        <translation>%1 má kmitočet %2 %3 MHz, ale tato radiostanice pracuje jen pod 400 MHz.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Channel %1</source>
        <translation>Kanál %1</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Pasted channel %1 of %2, for row %3,</source>
        <translation>Vložený kanál %1 z %2, určený pro řádek %3,</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Channel %1: %2</source>
        <translation>Kanál %1: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The last row holds a channel; delete it first.</source>
        <translation>Poslední řádek obsahuje kanál; nejprve jej smažte.</translation>
    </message>
    <message>
        <location filename="../document/RadioConversion.cpp" line="+76"/>
        <source>Channel %1 has no place on a %2 (channels 0–%3).</source>
        <translation>Kanál %1 se do radiostanice %2 nevejde (kanály 0–%3).</translation>
    </message>
    <message>
        <location filename="../model/DatFile.cpp" line="+30"/>
        <source>The file has %1 bytes; a %2 file has %3 bytes and a %4 file %5.</source>
        <translation>Soubor má %1 B; soubor %2 má %3 B a soubor %4 má %5 B.</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Soubor „%1“ neexistuje.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>„%1“ je složka, ne soubor.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; is not a file.</source>
        <translation>„%1“ není soubor.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You may not read the file &quot;%1&quot;.</source>
        <translation>Nemáte oprávnění číst soubor „%1“.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file &quot;%1&quot; is write-protected.</source>
        <translation>Soubor „%1“ je chráněn proti zápisu.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>Složka „%1“ neexistuje.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You may not write in the folder &quot;%1&quot;.</source>
        <translation>Nemáte oprávnění zapisovat do složky „%1“.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The symbolic links of &quot;%1&quot; lead around in a circle.</source>
        <translation>Symbolické odkazy „%1“ tvoří smyčku.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The disk is full.</source>
        <translation>Disk je plný.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file would be larger than this system lets Velmora write.</source>
        <translation>Soubor by byl větší, než kolik tento systém programu Velmora dovolí zapsat.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file &quot;%1&quot; could not be read to its end.</source>
        <translation>Soubor „%1“ se nepodařilo přečíst až do konce.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file has %1 bytes where a %2 file has %3. It is a %4 file.</source>
        <translation>Soubor má %1 B, kdežto soubor %2 má %3 B. Je to soubor %4.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file has %1 bytes where a %2 file has %3.</source>
        <translation>Soubor má %1 B, kdežto soubor %2 má %3 B.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file has %1 bytes, more than a list of channels ever needs.</source>
        <translation>Soubor má %1 B, víc, než kdy může potřebovat seznam kanálů.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Channel %1 holds a value the radio does not know in the column &quot;%2&quot;.</source>
        <translation>Kanál %1 má ve sloupci „%2“ hodnotu, kterou radiostanice nezná.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The system reports: %1.</source>
        <translation>Systém hlásí: %1.</translation>
    </message>
    <message>
        <location filename="../rules/CellEdit.cpp" line="+74"/>
        <source>This column cannot be edited.</source>
        <translation>Tento sloupec nelze upravovat.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>A name holds up to six of the letters A to Z, the digits and the characters space * + - / _.</source>
        <translation>Název může mít nejvýše šest znaků: písmena A až Z, číslice, mezeru a znaky * + - / _.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&quot;%1&quot; is not one of this column&apos;s values.</source>
        <translation>„%1“ není žádná z hodnot tohoto sloupce.</translation>
    </message>
    <message>
        <location filename="../rules/ChannelCsv.cpp" line="+61"/>
        <source>%1 &quot;%2&quot; is not a row number from 0 to %3.</source>
        <translation>%1 „%2“ není číslo řádku od 0 do %3.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Location %1 was given before, in line %2.</source>
        <translation>Location %1 už byla uvedena dříve, na řádku %2.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>a quoted field is not closed.</source>
        <translation>pole v uvozovkách není uzavřeno.</translation>
    </message>
    <message>
        <location filename="../rules/CsvHeader.cpp" line="+53"/>
        <source>The file has no header line naming its columns, such as Location and Frequency.</source>
        <translation>Soubor nemá řádek záhlaví s názvy sloupců, jako jsou Location a Frequency.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file has no &quot;%1&quot; column.</source>
        <translation>Soubor nemá sloupec „%1“.</translation>
    </message>
    <message>
        <location filename="../rules/CsvLineReader.cpp" line="+81"/>
        <source>%1 &quot;%2&quot; is not a number of MHz.</source>
        <extracomment>Reasons a list&apos;s line gives no channel follow &quot;Line 4: &quot;, in lower case where a word begins them. %1 is always the name of a column of the CSV file (Frequency, Offset, Duplex, Power…), which stays English, and %2 the text the file has there.</extracomment>
        <translation>%1 „%2“ není počet MHz.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 %2 MHz is not a whole multiple of 10 Hz.</source>
        <translation>%1 %2 MHz není celým násobkem 10 Hz.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>the transmit frequency %1 MHz is outside this TG-6A&apos;s band (%2 MHz).</source>
        <translation>kmitočet vysílání %1 MHz je mimo pásmo této radiostanice TG-6A (%2 MHz).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the transmit frequency %1 MHz is outside the %2&apos;s bands (%3 MHz).</source>
        <translation>kmitočet vysílání %1 MHz je mimo pásma radiostanice %2 (%3 MHz).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 MHz is outside this TG-6A&apos;s band (%2 MHz).</source>
        <translation>%1 MHz je mimo pásmo této radiostanice TG-6A (%2 MHz).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 MHz is outside the %2&apos;s bands (%3 MHz).</source>
        <translation>%1 MHz je mimo pásma radiostanice %2 (%3 MHz).</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>receive-only channels (Duplex &quot;off&quot;) cannot be stored in this radio.</source>
        <translation>kanály jen pro příjem (Duplex „off“) nelze do této radiostanice uložit.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 &quot;%2&quot; is not +, -, split, off or empty.</source>
        <translation>%1 „%2“ není +, -, split, off ani prázdné.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>a split channel needs its transmit frequency in the Offset column.</source>
        <translation>kanál split potřebuje kmitočet vysílání ve sloupci Offset.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 MHz and the transmit frequency %2 MHz are in different bands; the radio needs both in one.</source>
        <translation>%1 MHz a kmitočet vysílání %2 MHz jsou v různých pásmech; radiostanice potřebuje oba v jednom.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>DCS code %1 is not in the radio&apos;s table.</source>
        <translation>kód DCS %1 není v tabulce radiostanice.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CTCSS tone %1 is not in the radio&apos;s table.</source>
        <translation>tón CTCSS %1 není v tabulce radiostanice.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 &quot;%2&quot; is not two of the letters N and R.</source>
        <translation>%1 „%2“ nejsou dvě z písmen N a R.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>%1 &quot;%2&quot; is not a pair such as Tone-&gt;DTCS.</source>
        <translation>%1 „%2“ není dvojice jako Tone-&gt;DTCS.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 &quot;%2&quot; is not one of Tone, TSQL, DTCS, Cross, TSQL-R and DTCS-R.</source>
        <translation>%1 „%2“ není žádná z hodnot Tone, TSQL, DTCS, Cross, TSQL-R a DTCS-R.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>%1 &quot;%2&quot; is not On or OFF.</source>
        <translation>%1 „%2“ není On ani OFF.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 &quot;%2&quot; is not High, Mid, Low or a number of watts.</source>
        <translation>%1 „%2“ není High, Mid, Low ani počet wattů.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Frequency is empty.</source>
        <translation>sloupec Frequency je prázdný.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>no step of the radio fits both %1 MHz and the transmit frequency %2 MHz.</source>
        <translation>žádný krok radiostanice nevyhovuje zároveň %1 MHz i kmitočtu vysílání %2 MHz.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no step of the radio fits %1 MHz.</source>
        <translation>žádný krok radiostanice nevyhovuje %1 MHz.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 &quot;%2&quot; is not FM or NFM.</source>
        <translation>%1 „%2“ není FM ani NFM.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>the channel holds a value the radio cannot store.</source>
        <translation>kanál obsahuje hodnotu, kterou radiostanice nedokáže uložit.</translation>
    </message>
    <message>
        <location filename="../rules/FrequencyRules.cpp" line="+98"/>
        <source>Rx frequency is missing!</source>
        <translation>Chybí kmitočet RX!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tx frequency is missing!</source>
        <translation>Chybí kmitočet TX!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rx frequency and step do not match!</source>
        <translation>Kmitočet RX neodpovídá kroku!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tx frequency and step do not match!</source>
        <translation>Kmitočet TX neodpovídá kroku!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Invalid Rx frequency range!</source>
        <translation>Kmitočet RX je mimo rozsah!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid Tx frequency range!</source>
        <translation>Kmitočet TX je mimo rozsah!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid frequency range!</source>
        <translation>Kmitočet je mimo rozsah!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Frequencies should be in the same range!</source>
        <translation>Kmitočty musí být ve stejném pásmu!</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <location filename="../ui/common/DesktopPrompts.cpp" line="+83"/>
        <source>DAT Files (*.DAT)</source>
        <translation>Soubory DAT (*.DAT)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CSV Files (*.csv)</source>
        <translation>Soubory CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PDF Files (*.pdf)</source>
        <translation>Soubory PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <location filename="../model/ToneTables.cpp" line="+53"/>
        <source>On</source>
        <extracomment>The values of a channel&apos;s settings as the list and the Row Editor show them; files always keep them in English.</extracomment>
        <translation>Zap.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>OFF</source>
        <translation>Vyp.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High</source>
        <translation>Vysoký</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mid</source>
        <translation>Střední</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Low</source>
        <translation>Nízký</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wide</source>
        <translation>Široká</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Narrow</source>
        <translation>Úzká</translation>
    </message>
</context>
</TS>
