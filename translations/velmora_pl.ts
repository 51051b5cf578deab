<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CAboutDlg</name>
    <message>
        <location filename="../ui/main/AboutDlg.cpp" line="+11"/>
        <source>About Velmora</source>
        <translation>O programie Velmora</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 Version %2</source>
        <translation>%1 wersja %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copyright (C) %1</source>
        <translation>Copyright (C) %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This software is freeware.</source>
        <translation>Ten program jest darmowy (freeware).</translation>
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
        <translation>Zaznacz inny wiersz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select more rows</source>
        <translation>Zaznacz więcej wierszy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move to another cell of the row</source>
        <translation>Przejdź do innej komórki wiersza</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move to another row without changing the selection</source>
        <translation>Przejdź do innego wiersza bez zmiany zaznaczenia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select or unselect the row</source>
        <translation>Zaznacz wiersz lub usuń jego zaznaczenie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open the list&apos;s menu</source>
        <translation>Otwórz menu listy</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>F2, or typing</source>
        <translation>F2 lub zacznij pisać</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit the cell</source>
        <translation>Edytuj komórkę</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Switch an On/OFF cell</source>
        <translation>Przełącz komórkę Wł./Wył.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Store the edit and go down a row</source>
        <translation>Zatwierdź zmianę i przejdź wiersz niżej</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Store the edit in every selected channel</source>
        <translation>Zatwierdź zmianę we wszystkich zaznaczonych kanałach</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Store the edit and go to the next or previous cell</source>
        <translation>Zatwierdź zmianę i przejdź do następnej lub poprzedniej komórki</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leave the cell as it was</source>
        <translation>Pozostaw komórkę bez zmian</translation>
    </message>
</context>
<context>
    <name>CChannelPages</name>
    <message>
        <location filename="../ui/main/ChannelPages.cpp" line="+90"/>
        <source>%1 — %2 — 1 channel</source>
        <translation>%1 — %2 — 1 kanał</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1 — %2 — %n channels</source>
        <translation>
            <numerusform>%1 — %2 — %n kanał</numerusform>
            <numerusform>%1 — %2 — %n kanały</numerusform>
            <numerusform>%1 — %2 — %n kanałów</numerusform>
        </translation>
    </message>
    <message>
        <location line="+138"/>
        <source>Page %1 of %2</source>
        <translation>Strona %1 z %2</translation>
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
        <translation>Różnica</translation>
    </message>
</context>
<context>
    <name>CCheckChannelsDlg</name>
    <message>
        <location filename="../ui/main/CheckChannelsDlg.cpp" line="+24"/>
        <source>Check Channels</source>
        <translation>Sprawdzanie kanałów</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Findings</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Severity</source>
        <translation>Waga</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Check Again</source>
        <translation>Sprawdź ponownie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No problems found.</source>
        <translation>Nie znaleziono problemów.</translation>
    </message>
</context>
<context>
    <name>CCompareDlg</name>
    <message>
        <location filename="../ui/main/CompareDlg.cpp" line="+44"/>
        <location line="+1"/>
        <source>Next Difference</source>
        <translation>Następna różnica</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Previous Difference</source>
        <translation>Poprzednia różnica</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+107"/>
        <source>Show Differences Only</source>
        <translation>Pokaż tylko różnice</translation>
    </message>
    <message>
        <location line="-105"/>
        <location line="+96"/>
        <source>Copy to Open File</source>
        <translation>Kopiuj do otwartego pliku</translation>
    </message>
    <message>
        <location line="-93"/>
        <source>Compare With Another File...</source>
        <translation>Porównaj z innym plikiem...</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Compare</source>
        <translation>Porównanie</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>&amp;Compare</source>
        <translation>&amp;Porównanie</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Open file: %1</source>
        <translation>Otwarty plik: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Channels of the open file</source>
        <translation>Kanały otwartego pliku</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Channels of %1</source>
        <translation>Kanały pliku %1</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>1 channel of %1 could not be compared.</source>
        <translation>Nie udało się porównać 1 kanału z pliku %1.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n channels of %1 could not be compared.</source>
        <translation>
            <numerusform>Nie udało się porównać %n kanału z pliku %1.</numerusform>
            <numerusform>Nie udało się porównać %n kanałów z pliku %1.</numerusform>
            <numerusform>Nie udało się porównać %n kanałów z pliku %1.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 line of %1 could not be compared.</source>
        <translation>Nie udało się porównać 1 wiersza z pliku %1.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines of %1 could not be compared.</source>
        <translation>
            <numerusform>Nie udało się porównać %n wiersza z pliku %1.</numerusform>
            <numerusform>Nie udało się porównać %n wierszy z pliku %1.</numerusform>
            <numerusform>Nie udało się porównać %n wierszy z pliku %1.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+47"/>
        <source>only in %1</source>
        <extracomment>How a screen reader reads the marks of rows that differ.</extracomment>
        <translation>tylko w %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>changed</source>
        <translation>zmieniony</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>only here</source>
        <translation>tylko tutaj</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The channels are the same.</source>
        <translation>Kanały są takie same.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 channel differs: %1 changed, %2 only here, %3 only in %4.</source>
        <translation>Różni się 1 kanał (zmienione: %1; tylko tutaj: %2; tylko w %4: %3).</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n channels differ: %1 changed, %2 only here, %3 only in %4.</source>
        <translation>
            <numerusform>Różni się %n kanał (zmienione: %1; tylko tutaj: %2; tylko w %4: %3).</numerusform>
            <numerusform>Różnią się %n kanały (zmienione: %1; tylko tutaj: %2; tylko w %4: %3).</numerusform>
            <numerusform>Różni się %n kanałów (zmienione: %1; tylko tutaj: %2; tylko w %4: %3).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CFindDlg</name>
    <message>
        <location filename="../ui/main/FindDlg.cpp" line="+11"/>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Find what:</source>
        <translation>Znajdź:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Find Next</source>
        <translation>Znajdź następny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find Previous</source>
        <translation>Znajdź poprzedni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>CImportDlg</name>
    <message>
        <location filename="../ui/import/ImportDlg.cpp" line="+44"/>
        <source>Open DAT File For Import</source>
        <translation>Otwórz plik DAT do importu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>IMPORT</source>
        <translation>IMPORT</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Channels to import</source>
        <translation>Kanały do importu</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>1 channel of %1 could not be imported.</source>
        <translation>Nie udało się zaimportować 1 kanału z pliku %1.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n channels of %1 could not be imported.</source>
        <translation>
            <numerusform>Nie udało się zaimportować %n kanału z pliku %1.</numerusform>
            <numerusform>Nie udało się zaimportować %n kanałów z pliku %1.</numerusform>
            <numerusform>Nie udało się zaimportować %n kanałów z pliku %1.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 line of %1 could not be imported.</source>
        <translation>Nie udało się zaimportować 1 wiersza z pliku %1.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines of %1 could not be imported.</source>
        <translation>
            <numerusform>Nie udało się zaimportować %n wiersza z pliku %1.</numerusform>
            <numerusform>Nie udało się zaimportować %n wierszy z pliku %1.</numerusform>
            <numerusform>Nie udało się zaimportować %n wierszy z pliku %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CMainDlg</name>
    <message>
        <location filename="../ui/main/MainDlg.cpp" line="+72"/>
        <source>Open DAT File</source>
        <translation>Otwórz plik DAT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open DAT</source>
        <translation>Otwórz DAT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save DAT File</source>
        <translation>Zapisz plik DAT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save DAT</source>
        <translation>Zapisz DAT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export CSV...</source>
        <translation>Eksportuj CSV...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print...</source>
        <translation>Drukuj...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print Preview...</source>
        <translation>Podgląd wydruku...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export PDF...</source>
        <translation>Eksportuj PDF...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Compare...</source>
        <translation>Porównaj...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Down</source>
        <translation>W dół</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Up 15</source>
        <translation>15 w górę</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Down 15</source>
        <translation>15 w dół</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Row</source>
        <translation>Wstaw wiersz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete and Close Up</source>
        <translation>Usuń i przesuń w górę</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cut</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Edit</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Velmora...</source>
        <translation>&amp;O programie Velmora...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keyboard Shortcuts</source>
        <translation>Skróty klawiaturowe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find...</source>
        <translation>Znajdź...</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+338"/>
        <source>Find Next</source>
        <translation>Znajdź następny</translation>
    </message>
    <message>
        <location line="-336"/>
        <source>Find Previous</source>
        <translation>Znajdź poprzedni</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sort...</source>
        <translation>Sortuj...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check Channels...</source>
        <translation>Sprawdź kanały...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Mode</source>
        <translation>Model</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Show all columns</source>
        <translation>Pokaż wszystkie kolumny</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Channels</source>
        <translation>Kanały</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Invalid frequency!</source>
        <translation>Nieprawidłowa częstotliwość!</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Choose %1 in the Mode box.</source>
        <translation>Wybierz %1 w polu Model.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Changes are not saved. Open another file anyway?</source>
        <translation>Zmiany nie zostały zapisane. Czy mimo to otworzyć inny plik?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 was changed by another program since it was opened. Replace it anyway?</source>
        <translation>Od otwarcia pliku %1 inny program go zmienił. Czy mimo to go zastąpić?</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Velmora opens one file per window; %1 was not opened.</source>
        <translation>Velmora otwiera jeden plik w jednym oknie; pliku %1 nie otwarto.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 and %2</source>
        <extracomment>A list of files: &quot;a.DAT, b.DAT and c.DAT&quot;.</extracomment>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Velmora opens one file per window; %1 were not opened.</source>
        <translation>Velmora otwiera jeden plik w jednym oknie; plików %1 nie otwarto.</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Export CSV</source>
        <translation>Eksport CSV</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Show the finding&apos;s channel</source>
        <translation>Pokaż kanał, którego dotyczy wynik</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../ui/main/MainDlgCommands.cpp" line="+204"/>
        <source>Row Editor</source>
        <translation>Edytor wierszy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check Channels</source>
        <translation>Sprawdzanie kanałów</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Main window</source>
        <translation>Okno główne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channel list</source>
        <translation>Lista kanałów</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Import window</source>
        <translation>Okno importu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compare window</source>
        <translation>Okno porównania</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Changes are not saved. Exit anyway?</source>
        <translation>Zmiany nie zostały zapisane. Czy mimo to zakończyć?</translation>
    </message>
    <message>
        <location filename="../ui/main/MainDlgCommands.cpp" line="-123"/>
        <source>Edit %1</source>
        <translation>Edytuj %1</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>The clipboard holds no channels Velmora can read.</source>
        <translation>Schowek nie zawiera kanałów, które Velmora potrafi odczytać.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>1 channel of the clipboard could not be pasted.</source>
        <translation>Nie udało się wkleić 1 kanału ze schowka.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n channels of the clipboard could not be pasted.</source>
        <translation>
            <numerusform>Nie udało się wkleić %n kanału ze schowka.</numerusform>
            <numerusform>Nie udało się wkleić %n kanałów ze schowka.</numerusform>
            <numerusform>Nie udało się wkleić %n kanałów ze schowka.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 line of the clipboard could not be pasted.</source>
        <translation>Nie udało się wkleić 1 wiersza ze schowka.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines of the clipboard could not be pasted.</source>
        <translation>
            <numerusform>Nie udało się wkleić %n wiersza ze schowka.</numerusform>
            <numerusform>Nie udało się wkleić %n wierszy ze schowka.</numerusform>
            <numerusform>Nie udało się wkleić %n wierszy ze schowka.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+127"/>
        <source>Compare With</source>
        <translation>Porównaj z</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Copy from %1</source>
        <translation>Kopiuj z %1</translation>
    </message>
    <message>
        <location filename="../ui/main/MainDlgPrinting.cpp" line="+66"/>
        <source>Export PDF</source>
        <translation>Eksport PDF</translation>
    </message>
    <message>
        <location filename="../ui/main/MainDlgSearch.cpp" line="+43"/>
        <source>No channel matches &quot;%1&quot;.</source>
        <translation>Żaden kanał nie pasuje do „%1”.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Sort</source>
        <translation>Sortuj</translation>
    </message>
    <message>
        <location filename="../ui/main/MainDlgSettings.cpp" line="+54"/>
        <source>Recent &amp;Files</source>
        <translation>&amp;Ostatnie pliki</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Clear Recent Files</source>
        <translation>Wyczyść listę ostatnich plików</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Takes effect when Velmora starts again</source>
        <translation>Zmiana zadziała po ponownym uruchomieniu programu</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>System Default</source>
        <translation>Język systemu</translation>
    </message>
</context>
<context>
    <name>CRowEditorDlg</name>
    <message>
        <location filename="../ui/editor/RowEditorCommands.cpp" line="+80"/>
        <source>Selected row: %1</source>
        <translation>Zaznaczony wiersz: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../ui/editor/RowEditorDlg.cpp" line="+100"/>
        <source>Selected rows: %1 - %2</source>
        <translation>Zaznaczone wiersze: %1 - %2</translation>
    </message>
    <message>
        <location filename="../ui/editor/RowEditorDlg.cpp" line="-29"/>
        <source>Row Editor</source>
        <translation>Edytor wierszy</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt; Prev</source>
        <translation>&lt; Poprzedni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next &gt;</source>
        <translation>Następny &gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Frequency Configuration</source>
        <translation>Ustawienia częstotliwości</translation>
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
        <translation>Nazwa:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name</source>
        <translation>Nazwa</translation>
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
        <translation>Rewers:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TX Power:</source>
        <translation>Moc TX:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scramble:</source>
        <translation>Skrambler:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>W/N:</source>
        <translation>Szerokość:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan Add:</source>
        <translation>Skanowanie:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Busy Set:</source>
        <translation>Blokada zaj.:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Keep multiple values</source>
        <translation>Zachowaj różne wartości</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep multiple values: %1</source>
        <translation>Zachowaj różne wartości: %1</translation>
    </message>
</context>
<context>
    <name>CShortcutsDlg</name>
    <message>
        <location filename="../ui/main/ShortcutsDlg.cpp" line="+26"/>
        <source>Keyboard Shortcuts</source>
        <translation>Skróty klawiaturowe</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Keyboard shortcuts</source>
        <translation>Skróty klawiaturowe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keys</source>
        <translation>Klawisze</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What they do</source>
        <translation>Działanie</translation>
    </message>
</context>
<context>
    <name>CSortDlg</name>
    <message>
        <location filename="../ui/main/SortDlg.cpp" line="+13"/>
        <source>Sort</source>
        <translation>Sortowanie</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Descending</source>
        <translation>Malejąco</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sort by:</source>
        <translation>Sortuj według:</translation>
    </message>
</context>
<context>
    <name>CSystemClipboard</name>
    <message>
        <location filename="../ui/common/SystemClipboard.cpp" line="+81"/>
        <source>Channel %1: %2</source>
        <translation>Kanał %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line %1: %2</source>
        <translation>Wiersz %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>... and %1 more.</source>
        <translation>... i jeszcze %1.</translation>
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
        <translation>Nazwa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>RX Freq</source>
        <translation>Częst. RX</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TX Freq</source>
        <translation>Częst. TX</translation>
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
        <translation>Rewers</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TX Power</source>
        <translation>Moc TX</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scramble</source>
        <translation>Skrambler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>W/N</source>
        <translation>Szerokość</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Range</source>
        <translation>Pasmo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan</source>
        <translation>Skan.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Busy Set</source>
        <translation>Blok. zaj.</translation>
    </message>
</context>
<context>
    <name>Failures</name>
    <message>
        <location filename="../ui/common/CommandRunner.cpp" line="+25"/>
        <source>Open operation failed.</source>
        <translation>Otwieranie nie powiodło się.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save operation failed.</source>
        <translation>Zapisywanie nie powiodło się.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export operation failed.</source>
        <translation>Eksport nie powiódł się.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print operation failed.</source>
        <translation>Drukowanie nie powiodło się.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error creating Dialog</source>
        <translation>Błąd tworzenia okna dialogowego</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <location filename="../document/ChannelCheck.cpp" line="+60"/>
        <source>same frequencies and tones as channel %1</source>
        <translation>te same częstotliwości i tony co kanał %1</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>same frequencies and tones as line %1</source>
        <translation>te same częstotliwości i tony co wiersz %1</translation>
    </message>
    <message>
        <location filename="../document/ChannelDocument.cpp" line="+149"/>
        <source>%1 holds no channels.</source>
        <translation>%1 nie zawiera kanałów.</translation>
    </message>
    <message>
        <location filename="../document/DocumentEdits.cpp" line="+108"/>
        <source>%1 has no %2 frequency, but this radio works only at 400 MHz and above.</source>
        <extracomment>%1 is &quot;Channel 7&quot; or &quot;Pasted channel 1 of 3, for row 20,&quot;; %2 is RX or TX.</extracomment>
        <translation>%1 nie ma częstotliwości %2, a to radio działa tylko od 400 MHz wzwyż.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 has no %2 frequency, but this radio works only below 400 MHz.</source>
        <translation>%1 nie ma częstotliwości %2, a to radio działa tylko poniżej 400 MHz.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 has the %2 frequency %3 MHz, but this radio works only at 400 MHz and above.</source>
        <translation>%1 ma częstotliwość %2 %3 MHz, a to radio działa tylko od 400 MHz wzwyż.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 has the %2 frequency %3 MHz, but this radio works only below 400 MHz.</source>
        <translation>%1 ma częstotliwość %2 %3 MHz, a to radio działa tylko poniżej 400 MHz.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Channel %1</source>
        <translation>Kanał %1</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Pasted channel %1 of %2, for row %3,</source>
        <translation>Wklejony kanał %1 z %2, przeznaczony dla wiersza %3,</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Channel %1: %2</source>
        <translation>Kanał %1: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The last row holds a channel; delete it first.</source>
        <translation>Ostatni wiersz zawiera kanał; najpierw go usuń.</translation>
    </message>
    <message>
        <location filename="../document/RadioConversion.cpp" line="+76"/>
        <source>Channel %1 has no place on a %2 (channels 0–%3).</source>
        <translation>Kanał %1 nie mieści się w radiu %2 (kanały 0–%3).</translation>
    </message>
    <message>
        <location filename="../model/DatFile.cpp" line="+30"/>
        <source>The file has %1 bytes; a %2 file has %3 bytes and a %4 file %5.</source>
        <translation>Plik ma %1 B; plik %2 ma %3 B, a plik %4 – %5 B.</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Plik „%1” nie istnieje.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>„%1” to folder, a nie plik.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; is not a file.</source>
        <translation>„%1” nie jest plikiem.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You may not read the file &quot;%1&quot;.</source>
        <translation>Brak uprawnień do odczytu pliku „%1”.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file &quot;%1&quot; is write-protected.</source>
        <translation>Plik „%1” jest chroniony przed zapisem.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>Folder „%1” nie istnieje.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You may not write in the folder &quot;%1&quot;.</source>
        <translation>Brak uprawnień do zapisu w folderze „%1”.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The symbolic links of &quot;%1&quot; lead around in a circle.</source>
        <translation>Dowiązania symboliczne „%1” tworzą pętlę.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The disk is full.</source>
        <translation>Dysk jest pełny.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file would be larger than this system lets Velmora write.</source>
        <translation>Plik byłby większy, niż ten system pozwala zapisać programowi Velmora.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file &quot;%1&quot; could not be read to its end.</source>
        <translation>Nie udało się odczytać pliku „%1” do końca.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file has %1 bytes where a %2 file has %3. It is a %4 file.</source>
        <translation>Plik ma %1 B, a plik %2 ma %3 B. To jest plik %4.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file has %1 bytes where a %2 file has %3.</source>
        <translation>Plik ma %1 B, a plik %2 ma %3 B.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file has %1 bytes, more than a list of channels ever needs.</source>
        <translation>Plik ma %1 B, więcej, niż potrzebuje jakakolwiek lista kanałów.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Channel %1 holds a value the radio does not know in the column &quot;%2&quot;.</source>
        <translation>Kanał %1 ma w kolumnie „%2” wartość, której radio nie zna.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The system reports: %1.</source>
        <translation>Komunikat systemu: %1.</translation>
    </message>
    <message>
        <location filename="../rules/CellEdit.cpp" line="+74"/>
        <source>This column cannot be edited.</source>
        <translation>Tej kolumny nie można edytować.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>A name holds up to six of the letters A to Z, the digits and the characters space * + - / _.</source>
        <translation>Nazwa może mieć najwyżej sześć znaków: litery od A do Z, cyfry, spację oraz * + - / _.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&quot;%1&quot; is not one of this column&apos;s values.</source>
        <translation>„%1” nie jest jedną z wartości tej kolumny.</translation>
    </message>
    <message>
        <location filename="../rules/ChannelCsv.cpp" line="+61"/>
        <source>%1 &quot;%2&quot; is not a row number from 0 to %3.</source>
        <translation>%1 „%2” nie jest numerem wiersza od 0 do %3.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Location %1 was given before, in line %2.</source>
        <translation>Location %1 podano już wcześniej, w wierszu %2.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>a quoted field is not closed.</source>
        <translation>pole w cudzysłowie nie jest zamknięte.</translation>
    </message>
    <message>
        <location filename="../rules/CsvHeader.cpp" line="+53"/>
        <source>The file has no header line naming its columns, such as Location and Frequency.</source>
        <translation>Plik nie ma wiersza nagłówka z nazwami kolumn, takimi jak Location i Frequency.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file has no &quot;%1&quot; column.</source>
        <translation>Plik nie ma kolumny „%1”.</translation>
    </message>
    <message>
        <location filename="../rules/CsvLineReader.cpp" line="+81"/>
        <source>%1 &quot;%2&quot; is not a number of MHz.</source>
        <extracomment>Reasons a list&apos;s line gives no channel follow &quot;Line 4: &quot;, in lower case where a word begins them. %1 is always the name of a column of the CSV file (Frequency, Offset, Duplex, Power…), which stays English, and %2 the text the file has there.</extracomment>
        <translation>%1 „%2” nie jest liczbą MHz.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 %2 MHz is not a whole multiple of 10 Hz.</source>
        <translation>%1 %2 MHz nie jest całkowitą wielokrotnością 10 Hz.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>the transmit frequency %1 MHz is outside this TG-6A&apos;s band (%2 MHz).</source>
        <translation>częstotliwość nadawania %1 MHz jest poza pasmem tego TG-6A (%2 MHz).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the transmit frequency %1 MHz is outside the %2&apos;s bands (%3 MHz).</source>
        <translation>częstotliwość nadawania %1 MHz jest poza pasmami radia %2 (%3 MHz).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 MHz is outside this TG-6A&apos;s band (%2 MHz).</source>
        <translation>%1 MHz jest poza pasmem tego TG-6A (%2 MHz).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 MHz is outside the %2&apos;s bands (%3 MHz).</source>
        <translation>%1 MHz jest poza pasmami radia %2 (%3 MHz).</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>receive-only channels (Duplex &quot;off&quot;) cannot be stored in this radio.</source>
        <translation>kanałów tylko do odbioru (Duplex „off”) nie można zapisać w tym radiu.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 &quot;%2&quot; is not +, -, split, off or empty.</source>
        <translation>%1 „%2” nie jest wartością +, -, split, off ani pustą.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>a split channel needs its transmit frequency in the Offset column.</source>
        <translation>kanał split wymaga częstotliwości nadawania w kolumnie Offset.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 MHz and the transmit frequency %2 MHz are in different bands; the radio needs both in one.</source>
        <translation>%1 MHz i częstotliwość nadawania %2 MHz są w różnych pasmach; radio wymaga, by obie były w jednym.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>DCS code %1 is not in the radio&apos;s table.</source>
        <translation>kodu DCS %1 nie ma w tabeli radia.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CTCSS tone %1 is not in the radio&apos;s table.</source>
        <translation>tonu CTCSS %1 nie ma w tabeli radia.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 &quot;%2&quot; is not two of the letters N and R.</source>
        <translation>%1 „%2” to nie dwie litery spośród N i R.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>%1 &quot;%2&quot; is not a pair such as Tone-&gt;DTCS.</source>
        <translation>%1 „%2” nie jest parą w rodzaju Tone-&gt;DTCS.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 &quot;%2&quot; is not one of Tone, TSQL, DTCS, Cross, TSQL-R and DTCS-R.</source>
        <translation>%1 „%2” nie jest żadną z wartości Tone, TSQL, DTCS, Cross, TSQL-R i DTCS-R.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>%1 &quot;%2&quot; is not On or OFF.</source>
        <translation>%1 „%2” nie jest wartością On ani OFF.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 &quot;%2&quot; is not High, Mid, Low or a number of watts.</source>
        <translation>%1 „%2” nie jest wartością High, Mid, Low ani liczbą watów.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Frequency is empty.</source>
        <translation>kolumna Frequency jest pusta.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>no step of the radio fits both %1 MHz and the transmit frequency %2 MHz.</source>
        <translation>żaden krok radia nie pasuje jednocześnie do %1 MHz i do częstotliwości nadawania %2 MHz.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no step of the radio fits %1 MHz.</source>
        <translation>żaden krok radia nie pasuje do %1 MHz.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 &quot;%2&quot; is not FM or NFM.</source>
        <translation>%1 „%2” nie jest wartością FM ani NFM.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>the channel holds a value the radio cannot store.</source>
        <translation>kanał zawiera wartość, której radio nie może zapisać.</translation>
    </message>
    <message>
        <location filename="../rules/FrequencyRules.cpp" line="+98"/>
        <source>Rx frequency is missing!</source>
        <translation>Brak częstotliwości RX!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tx frequency is missing!</source>
        <translation>Brak częstotliwości TX!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rx frequency and step do not match!</source>
        <translation>Częstotliwość RX nie pasuje do kroku!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tx frequency and step do not match!</source>
        <translation>Częstotliwość TX nie pasuje do kroku!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Invalid Rx frequency range!</source>
        <translation>Częstotliwość RX poza zakresem!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid Tx frequency range!</source>
        <translation>Częstotliwość TX poza zakresem!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid frequency range!</source>
        <translation>Częstotliwość poza zakresem!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Frequencies should be in the same range!</source>
        <translation>Częstotliwości muszą być w tym samym paśmie!</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <location filename="../ui/common/DesktopPrompts.cpp" line="+83"/>
        <source>DAT Files (*.DAT)</source>
        <translation>Pliki DAT (*.DAT)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CSV Files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PDF Files (*.pdf)</source>
        <translation>Pliki PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <location filename="../model/ToneTables.cpp" line="+53"/>
        <source>On</source>
        <extracomment>The values of a channel&apos;s settings as the list and the Row Editor show them; files always keep them in English.</extracomment>
        <translation>Wł.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>OFF</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High</source>
        <translation>Wysoka</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mid</source>
        <translation>Średnia</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Low</source>
        <translation>Niska</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wide</source>
        <translation>Szeroka</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Narrow</source>
        <translation>Wąska</translation>
    </message>
</context>
</TS>
