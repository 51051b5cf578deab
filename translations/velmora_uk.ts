<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>CAboutDlg</name>
    <message>
        <location filename="../ui/main/AboutDlg.cpp" line="+11"/>
        <source>About Velmora</source>
        <translation>Про програму Velmora</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 Version %2</source>
        <translation>%1, версія %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copyright (C) %1</source>
        <translation>Авторські права © %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This software is freeware.</source>
        <translation>Це безкоштовна програма.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>CChannelListView</name>
    <message>
        <location filename="../ui/common/ChannelListView.cpp" line="+193"/>
        <source>Select another row</source>
        <translation>Вибрати інший рядок</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select more rows</source>
        <translation>Виділити кілька рядків</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move to another cell of the row</source>
        <translation>Перейти до іншої клітинки рядка</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move to another row without changing the selection</source>
        <translation>Перейти до іншого рядка, не змінюючи виділення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select or unselect the row</source>
        <translation>Виділити рядок або зняти виділення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open the list&apos;s menu</source>
        <translation>Відкрити контекстне меню списку</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>F2, or typing</source>
        <translation>F2 або введення тексту</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit the cell</source>
        <translation>Змінити клітинку</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Switch an On/OFF cell</source>
        <translation>Перемкнути клітинку Увімк/Вимк</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Store the edit and go down a row</source>
        <translation>Зберегти зміну й перейти на рядок нижче</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Store the edit in every selected channel</source>
        <translation>Зберегти зміну в усіх виділених каналах</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Store the edit and go to the next or previous cell</source>
        <translation>Зберегти зміну й перейти до наступної або попередньої клітинки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leave the cell as it was</source>
        <translation>Скасувати зміну клітинки</translation>
    </message>
</context>
<context>
    <name>CChannelPages</name>
    <message>
        <location filename="../ui/main/ChannelPages.cpp" line="+90"/>
        <source>%1 — %2 — 1 channel</source>
        <translation>%1 — %2 — 1 канал</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1 — %2 — %n channels</source>
        <translation>
            <numerusform>%1 — %2 — %n канал</numerusform>
            <numerusform>%1 — %2 — %n канали</numerusform>
            <numerusform>%1 — %2 — %n каналів</numerusform>
        </translation>
    </message>
    <message>
        <location line="+138"/>
        <source>Page %1 of %2</source>
        <translation>Сторінка %1 з %2</translation>
    </message>
</context>
<context>
    <name>CChannelTableModel</name>
    <message>
        <location filename="../ui/common/ChannelTableModel.cpp" line="+121"/>
        <source>ID %1, %2</source>
        <extracomment>What a screen reader says of a cell: its channel and its column.</extracomment>
        <translation>Канал %1, %2</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Difference</source>
        <translation>Відмінність</translation>
    </message>
</context>
<context>
    <name>CCheckChannelsDlg</name>
    <message>
        <location filename="../ui/main/CheckChannelsDlg.cpp" line="+24"/>
        <source>Check Channels</source>
        <translation>Перевірка каналів</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Findings</source>
        <translation>Результати</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ID</source>
        <translation>№</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Severity</source>
        <translation>Рівень</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Problem</source>
        <translation>Проблема</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Check Again</source>
        <translation>Перевірити знову</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Warning</source>
        <translation>Попередження</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No problems found.</source>
        <translation>Проблем не знайдено.</translation>
    </message>
</context>
<context>
    <name>CCompareDlg</name>
    <message>
        <location filename="../ui/main/CompareDlg.cpp" line="+44"/>
        <location line="+1"/>
        <source>Next Difference</source>
        <translation>Наступна відмінність</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Previous Difference</source>
        <translation>Попередня відмінність</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+107"/>
        <source>Show Differences Only</source>
        <translation>Лише відмінності</translation>
    </message>
    <message>
        <location line="-105"/>
        <location line="+96"/>
        <source>Copy to Open File</source>
        <translation>Копіювати у відкритий файл</translation>
    </message>
    <message>
        <location line="-93"/>
        <source>Compare With Another File...</source>
        <translation>Порівняти з іншим файлом...</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Compare</source>
        <translation>Порівняння</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>&amp;Compare</source>
        <translation>&amp;Порівняння</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Open file: %1</source>
        <translation>Відкритий файл: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Channels of the open file</source>
        <translation>Канали відкритого файлу</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Channels of %1</source>
        <translation>Канали файлу %1</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>1 channel of %1 could not be compared.</source>
        <translation>1 канал файлу %1 не вдалося порівняти.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n channels of %1 could not be compared.</source>
        <translation>
            <numerusform>%n канал файлу %1 не вдалося порівняти.</numerusform>
            <numerusform>%n канали файлу %1 не вдалося порівняти.</numerusform>
            <numerusform>%n каналів файлу %1 не вдалося порівняти.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 line of %1 could not be compared.</source>
        <translation>1 рядок файлу %1 не вдалося порівняти.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines of %1 could not be compared.</source>
        <translation>
            <numerusform>%n рядок файлу %1 не вдалося порівняти.</numerusform>
            <numerusform>%n рядки файлу %1 не вдалося порівняти.</numerusform>
            <numerusform>%n рядків файлу %1 не вдалося порівняти.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+47"/>
        <source>only in %1</source>
        <extracomment>How a screen reader reads the marks of rows that differ.</extracomment>
        <translation>лише в %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>changed</source>
        <translation>змінено</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>only here</source>
        <translation>лише тут</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The channels are the same.</source>
        <translation>Канали однакові.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 channel differs: %1 changed, %2 only here, %3 only in %4.</source>
        <translation>Відрізняється 1 канал (змінено: %1, лише тут: %2, лише в %4: %3).</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n channels differ: %1 changed, %2 only here, %3 only in %4.</source>
        <translation>
            <numerusform>Відрізняється %n канал (змінено: %1, лише тут: %2, лише в %4: %3).</numerusform>
            <numerusform>Відрізняються %n канали (змінено: %1, лише тут: %2, лише в %4: %3).</numerusform>
            <numerusform>Відрізняються %n каналів (змінено: %1, лише тут: %2, лише в %4: %3).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CFindDlg</name>
    <message>
        <location filename="../ui/main/FindDlg.cpp" line="+11"/>
        <source>Find</source>
        <translation>Пошук</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Find what:</source>
        <translation>Знайти:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Find Next</source>
        <translation>Знайти далі</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find Previous</source>
        <translation>Знайти попереднє</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>CImportDlg</name>
    <message>
        <location filename="../ui/import/ImportDlg.cpp" line="+44"/>
        <source>Open DAT File For Import</source>
        <translation>Відкрити файл DAT для імпорту</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>IMPORT</source>
        <translation>ІМПОРТ</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Channels to import</source>
        <translation>Канали для імпорту</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>1 channel of %1 could not be imported.</source>
        <translation>1 канал файлу %1 не вдалося імпортувати.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n channels of %1 could not be imported.</source>
        <translation>
            <numerusform>%n канал файлу %1 не вдалося імпортувати.</numerusform>
            <numerusform>%n канали файлу %1 не вдалося імпортувати.</numerusform>
            <numerusform>%n каналів файлу %1 не вдалося імпортувати.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 line of %1 could not be imported.</source>
        <translation>1 рядок файлу %1 не вдалося імпортувати.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines of %1 could not be imported.</source>
        <translation>
            <numerusform>%n рядок файлу %1 не вдалося імпортувати.</numerusform>
            <numerusform>%n рядки файлу %1 не вдалося імпортувати.</numerusform>
            <numerusform>%n рядків файлу %1 не вдалося імпортувати.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CMainDlg</name>
    <message>
        <location filename="../ui/main/MainDlg.cpp" line="+72"/>
        <source>Open DAT File</source>
        <translation>Відкрити файл DAT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open DAT</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save DAT File</source>
        <translation>Зберегти файл DAT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save DAT</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export CSV...</source>
        <translation>Експорт у CSV...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print...</source>
        <translation>Друк...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print Preview...</source>
        <translation>Попередній перегляд...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export PDF...</source>
        <translation>Експорт у PDF...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Compare...</source>
        <translation>Порівняти...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Up</source>
        <translation>Вгору</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Up 15</source>
        <translation>Вгору 15</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Down 15</source>
        <translation>Вниз 15</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Row</source>
        <translation>Вставити рядок</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete and Close Up</source>
        <translation>Видалити зі зсувом угору</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cut</source>
        <translation>Вирізати</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paste</source>
        <translation>Вставити</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Edit</source>
        <translation>Змінити</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New</source>
        <translation>Створити</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Import</source>
        <translation>Імпорт</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Velmora...</source>
        <translation>&amp;Про програму Velmora...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keyboard Shortcuts</source>
        <translation>Клавіатурні скорочення</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find...</source>
        <translation>Знайти...</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+338"/>
        <source>Find Next</source>
        <translation>Знайти далі</translation>
    </message>
    <message>
        <location line="-336"/>
        <source>Find Previous</source>
        <translation>Знайти попереднє</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sort...</source>
        <translation>Сортування...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check Channels...</source>
        <translation>Перевірити канали...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo</source>
        <translation>Повернути</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <translation>Повторити</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Edit</source>
        <translation>&amp;Редагування</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Mode</source>
        <translation>Модель</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Show all columns</source>
        <translation>Усі стовпці</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Channels</source>
        <translation>Канали</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Invalid frequency!</source>
        <translation>Неприпустима частота!</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Choose %1 in the Mode box.</source>
        <translation>Виберіть %1 у полі «Модель».</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Changes are not saved. Open another file anyway?</source>
        <translation>Зміни не збережено. Усе одно відкрити інший файл?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 was changed by another program since it was opened. Replace it anyway?</source>
        <translation>Файл %1 змінено іншою програмою після відкриття. Усе одно замінити його?</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Velmora opens one file per window; %1 was not opened.</source>
        <translation>Velmora відкриває по одному файлу у вікні; файл %1 не відкрито.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 and %2</source>
        <extracomment>A list of files: &quot;a.DAT, b.DAT and c.DAT&quot;.</extracomment>
        <translation>%1 і %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Velmora opens one file per window; %1 were not opened.</source>
        <translation>Velmora відкриває по одному файлу у вікні; файли %1 не відкрито.</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Export CSV</source>
        <translation>Експорт у CSV</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Show the finding&apos;s channel</source>
        <translation>Перейти до каналу</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../ui/main/MainDlgCommands.cpp" line="+204"/>
        <source>Row Editor</source>
        <translation>Редактор рядків</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find</source>
        <translation>Пошук</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check Channels</source>
        <translation>Перевірка каналів</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Main window</source>
        <translation>Головне вікно</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channel list</source>
        <translation>Список каналів</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Import window</source>
        <translation>Вікно імпорту</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compare window</source>
        <translation>Вікно порівняння</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Changes are not saved. Exit anyway?</source>
        <translation>Зміни не збережено. Усе одно вийти?</translation>
    </message>
    <message>
        <location filename="../ui/main/MainDlgCommands.cpp" line="-123"/>
        <source>Edit %1</source>
        <translation>зміну «%1»</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>The clipboard holds no channels Velmora can read.</source>
        <translation>У буфері обміну немає каналів, які Velmora може прочитати.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>1 channel of the clipboard could not be pasted.</source>
        <translation>1 канал із буфера обміну не вдалося вставити.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n channels of the clipboard could not be pasted.</source>
        <translation>
            <numerusform>%n канал із буфера обміну не вдалося вставити.</numerusform>
            <numerusform>%n канали з буфера обміну не вдалося вставити.</numerusform>
            <numerusform>%n каналів із буфера обміну не вдалося вставити.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 line of the clipboard could not be pasted.</source>
        <translation>1 рядок із буфера обміну не вдалося вставити.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines of the clipboard could not be pasted.</source>
        <translation>
            <numerusform>%n рядок із буфера обміну не вдалося вставити.</numerusform>
            <numerusform>%n рядки з буфера обміну не вдалося вставити.</numerusform>
            <numerusform>%n рядків із буфера обміну не вдалося вставити.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+127"/>
        <source>Compare With</source>
        <translation>Порівняти з файлом</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Copy from %1</source>
        <translation>копіювання з файлу %1</translation>
    </message>
    <message>
        <location filename="../ui/main/MainDlgPrinting.cpp" line="+66"/>
        <source>Export PDF</source>
        <translation>Експорт у PDF</translation>
    </message>
    <message>
        <location filename="../ui/main/MainDlgSearch.cpp" line="+43"/>
        <source>No channel matches &quot;%1&quot;.</source>
        <translation>Жоден канал не відповідає «%1».</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Sort</source>
        <translation>Сортування</translation>
    </message>
    <message>
        <location filename="../ui/main/MainDlgSettings.cpp" line="+54"/>
        <source>Recent &amp;Files</source>
        <translation>Останні &amp;файли</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Clear Recent Files</source>
        <translation>Очистити список</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;Language</source>
        <translation>&amp;Мова</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Takes effect when Velmora starts again</source>
        <translation>Набуде чинності після перезапуску Velmora</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>System Default</source>
        <translation>Як у системі</translation>
    </message>
</context>
<context>
    <name>CRowEditorDlg</name>
    <message>
        <location filename="../ui/editor/RowEditorCommands.cpp" line="+80"/>
        <source>Selected row: %1</source>
        <translation>Вибрано рядок: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../ui/editor/RowEditorDlg.cpp" line="+100"/>
        <source>Selected rows: %1 - %2</source>
        <translation>Вибрано рядки: %1 - %2</translation>
    </message>
    <message>
        <location filename="../ui/editor/RowEditorDlg.cpp" line="-29"/>
        <source>Row Editor</source>
        <translation>Редактор рядків</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>New</source>
        <translation>Новий</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt; Prev</source>
        <translation>&lt; Назад</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next &gt;</source>
        <translation>Далі &gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Frequency Configuration</source>
        <translation>Налаштування частот</translation>
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
        <translation>МГц</translation>
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
        <translation>Крок:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kHz</source>
        <translation>кГц</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Step</source>
        <translation>Крок</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Name:</source>
        <translation>Назва:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name</source>
        <translation>Назва</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>QT/DQT RX:</source>
        <translation>Субтон RX:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QT/DQT TX:</source>
        <translation>Субтон TX:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reverse:</source>
        <translation>Реверс:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TX Power:</source>
        <translation>Потужність:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scramble:</source>
        <translation>Скремблер:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>W/N:</source>
        <translation>Смуга:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan Add:</source>
        <translation>Сканування:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Busy Set:</source>
        <translation>BCL:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Keep multiple values</source>
        <translation>Не змінювати</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep multiple values: %1</source>
        <translation>Не змінювати: %1</translation>
    </message>
</context>
<context>
    <name>CShortcutsDlg</name>
    <message>
        <location filename="../ui/main/ShortcutsDlg.cpp" line="+26"/>
        <source>Keyboard Shortcuts</source>
        <translation>Клавіатурні скорочення</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Keyboard shortcuts</source>
        <translation>Клавіатурні скорочення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keys</source>
        <translation>Клавіші</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What they do</source>
        <translation>Дія</translation>
    </message>
</context>
<context>
    <name>CSortDlg</name>
    <message>
        <location filename="../ui/main/SortDlg.cpp" line="+13"/>
        <source>Sort</source>
        <translation>Сортування</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Descending</source>
        <translation>За спаданням</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sort by:</source>
        <translation>Сортувати за:</translation>
    </message>
</context>
<context>
    <name>CSystemClipboard</name>
    <message>
        <location filename="../ui/common/SystemClipboard.cpp" line="+81"/>
        <source>Channel %1: %2</source>
        <translation>Канал %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line %1: %2</source>
        <translation>Рядок %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>... and %1 more.</source>
        <translation>... і ще %1.</translation>
    </message>
</context>
<context>
    <name>Columns</name>
    <message>
        <location filename="../model/ChannelColumns.cpp" line="+24"/>
        <source>ID</source>
        <translation>№</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <translation>Назва</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>RX Freq</source>
        <translation>Частота RX</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TX Freq</source>
        <translation>Частота TX</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>QT/DQT Dec</source>
        <translation>Субтон RX</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>QT/DQT Enc</source>
        <translation>Субтон TX</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Step</source>
        <translation>Крок</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reverse</source>
        <translation>Реверс</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TX Power</source>
        <translation>Потужність</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scramble</source>
        <translation>Скремблер</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>W/N</source>
        <translation>Смуга</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Range</source>
        <translation>Діапазон</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan</source>
        <translation>Скан.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Busy Set</source>
        <translation>BCL</translation>
    </message>
</context>
<context>
    <name>Failures</name>
    <message>
        <location filename="../ui/common/CommandRunner.cpp" line="+25"/>
        <source>Open operation failed.</source>
        <translation>Не вдалося відкрити.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save operation failed.</source>
        <translation>Не вдалося зберегти.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export operation failed.</source>
        <translation>Не вдалося експортувати.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print operation failed.</source>
        <translation>Не вдалося надрукувати.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error creating Dialog</source>
        <translation>Помилка створення діалогового вікна</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <location filename="../document/ChannelCheck.cpp" line="+60"/>
        <source>same frequencies and tones as channel %1</source>
        <translation>ті самі частоти й субтони, що й у каналі %1</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>same frequencies and tones as line %1</source>
        <translation>ті самі частоти й субтони, що й у рядку %1</translation>
    </message>
    <message>
        <location filename="../document/ChannelDocument.cpp" line="+149"/>
        <source>%1 holds no channels.</source>
        <translation>У файлі %1 немає каналів.</translation>
    </message>
    <message>
        <location filename="../document/DocumentEdits.cpp" line="+108"/>
        <source>%1 has no %2 frequency, but this radio works only at 400 MHz and above.</source>
        <extracomment>%1 is &quot;Channel 7&quot; or &quot;Pasted channel 1 of 3, for row 20,&quot;; %2 is RX or TX.</extracomment>
        <translation>%1: немає частоти %2, а ця радіостанція працює лише на 400 МГц і вище.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 has no %2 frequency, but this radio works only below 400 MHz.</source>
        <translation>%1: немає частоти %2, а ця радіостанція працює лише нижче 400 МГц.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 has the %2 frequency %3 MHz, but this radio works only at 400 MHz and above.</source>
        <translation>%1: частота %2 дорівнює %3 МГц, а ця радіостанція працює лише на 400 МГц і вище.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 has the %2 frequency %3 MHz, but this radio works only below 400 MHz.</source>
        <translation>%1: частота %2 дорівнює %3 МГц, а ця радіостанція працює лише нижче 400 МГц.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Channel %1</source>
        <translation>Канал %1</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Pasted channel %1 of %2, for row %3,</source>
        <translation>Вставлений канал %1 з %2 (рядок %3)</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Channel %1: %2</source>
        <translation>Канал %1: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The last row holds a channel; delete it first.</source>
        <translation>В останньому рядку є канал; спершу видаліть його.</translation>
    </message>
    <message>
        <location filename="../document/RadioConversion.cpp" line="+76"/>
        <source>Channel %1 has no place on a %2 (channels 0–%3).</source>
        <translation>Для каналу %1 немає місця в %2 (канали 0–%3).</translation>
    </message>
    <message>
        <location filename="../model/DatFile.cpp" line="+30"/>
        <source>The file has %1 bytes; a %2 file has %3 bytes and a %4 file %5.</source>
        <translation>Розмір файлу — %1 байт; файл %2 має %3 байт, а файл %4 — %5 байт.</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Файл «%1» не існує.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>«%1» — це тека, а не файл.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; is not a file.</source>
        <translation>«%1» не є файлом.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You may not read the file &quot;%1&quot;.</source>
        <translation>Немає прав на читання файлу «%1».</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file &quot;%1&quot; is write-protected.</source>
        <translation>Файл «%1» захищено від запису.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>Тека «%1» не існує.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You may not write in the folder &quot;%1&quot;.</source>
        <translation>Немає прав на запис у теку «%1».</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The symbolic links of &quot;%1&quot; lead around in a circle.</source>
        <translation>Символічні посилання «%1» утворюють замкнене коло.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The disk is full.</source>
        <translation>Диск заповнено.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file would be larger than this system lets Velmora write.</source>
        <translation>Файл був би більшим, ніж ця система дозволяє записати Velmora.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file &quot;%1&quot; could not be read to its end.</source>
        <translation>Не вдалося дочитати файл «%1» до кінця.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file has %1 bytes where a %2 file has %3. It is a %4 file.</source>
        <translation>Розмір файлу — %1 байт, а файл %2 має %3 байт. Це файл %4.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file has %1 bytes where a %2 file has %3.</source>
        <translation>Розмір файлу — %1 байт, а файл %2 має %3 байт.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file has %1 bytes, more than a list of channels ever needs.</source>
        <translation>Розмір файлу — %1 байт: більше, ніж будь-коли потрібно списку каналів.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Channel %1 holds a value the radio does not know in the column &quot;%2&quot;.</source>
        <translation>Канал %1 містить у стовпці «%2» значення, невідоме радіостанції.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The system reports: %1.</source>
        <translation>Повідомлення системи: %1.</translation>
    </message>
    <message>
        <location filename="../rules/CellEdit.cpp" line="+74"/>
        <source>This column cannot be edited.</source>
        <translation>Цей стовпець не можна змінити.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>A name holds up to six of the letters A to Z, the digits and the characters space * + - / _.</source>
        <translation>Назва може містити до шести символів: латинські літери A–Z, цифри, пробіл і знаки * + - / _.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&quot;%1&quot; is not one of this column&apos;s values.</source>
        <translation>«%1» — неприпустиме значення для цього стовпця.</translation>
    </message>
    <message>
        <location filename="../rules/ChannelCsv.cpp" line="+61"/>
        <source>%1 &quot;%2&quot; is not a row number from 0 to %3.</source>
        <translation>%1 «%2» — не номер рядка від 0 до %3.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Location %1 was given before, in line %2.</source>
        <translation>Location %1 уже було вказано в рядку %2.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>a quoted field is not closed.</source>
        <translation>поле в лапках не закрито.</translation>
    </message>
    <message>
        <location filename="../rules/CsvHeader.cpp" line="+53"/>
        <source>The file has no header line naming its columns, such as Location and Frequency.</source>
        <translation>У файлі немає рядка заголовка з назвами стовпців, наприклад Location і Frequency.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file has no &quot;%1&quot; column.</source>
        <translation>У файлі немає стовпця «%1».</translation>
    </message>
    <message>
        <location filename="../rules/CsvLineReader.cpp" line="+81"/>
        <source>%1 &quot;%2&quot; is not a number of MHz.</source>
        <extracomment>Reasons a list&apos;s line gives no channel follow &quot;Line 4: &quot;, in lower case where a word begins them. %1 is always the name of a column of the CSV file (Frequency, Offset, Duplex, Power…), which stays English, and %2 the text the file has there.</extracomment>
        <translation>%1 «%2» — не частота в МГц.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 %2 MHz is not a whole multiple of 10 Hz.</source>
        <translation>%1 %2 МГц не кратне 10 Гц.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>the transmit frequency %1 MHz is outside this TG-6A&apos;s band (%2 MHz).</source>
        <translation>частота передавання %1 МГц поза діапазоном цієї TG-6A (%2 МГц).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the transmit frequency %1 MHz is outside the %2&apos;s bands (%3 MHz).</source>
        <translation>частота передавання %1 МГц поза діапазонами %2 (%3 МГц).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 MHz is outside this TG-6A&apos;s band (%2 MHz).</source>
        <translation>%1 МГц — поза діапазоном цієї TG-6A (%2 МГц).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 MHz is outside the %2&apos;s bands (%3 MHz).</source>
        <translation>%1 МГц — поза діапазонами %2 (%3 МГц).</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>receive-only channels (Duplex &quot;off&quot;) cannot be stored in this radio.</source>
        <translation>канали лише для приймання (Duplex «off») не можна зберегти в цій радіостанції.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 &quot;%2&quot; is not +, -, split, off or empty.</source>
        <translation>%1 «%2» — не +, -, split, off і не порожнє значення.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>a split channel needs its transmit frequency in the Offset column.</source>
        <translation>для каналу split частоту передавання треба вказати в стовпці Offset.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 MHz and the transmit frequency %2 MHz are in different bands; the radio needs both in one.</source>
        <translation>%1 МГц і частота передавання %2 МГц лежать у різних діапазонах; радіостанція вимагає, щоб обидві були в одному.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>DCS code %1 is not in the radio&apos;s table.</source>
        <translation>DCS-коду %1 немає в таблиці радіостанції.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CTCSS tone %1 is not in the radio&apos;s table.</source>
        <translation>CTCSS-тону %1 немає в таблиці радіостанції.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 &quot;%2&quot; is not two of the letters N and R.</source>
        <translation>%1 «%2» — не дві літери з N і R.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>%1 &quot;%2&quot; is not a pair such as Tone-&gt;DTCS.</source>
        <translation>%1 «%2» — не пара на зразок Tone-&gt;DTCS.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 &quot;%2&quot; is not one of Tone, TSQL, DTCS, Cross, TSQL-R and DTCS-R.</source>
        <translation>%1 «%2» — не одне зі значень Tone, TSQL, DTCS, Cross, TSQL-R і DTCS-R.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>%1 &quot;%2&quot; is not On or OFF.</source>
        <translation>%1 «%2» — не On і не OFF.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 &quot;%2&quot; is not High, Mid, Low or a number of watts.</source>
        <translation>%1 «%2» — не High, Mid, Low і не потужність у ватах.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Frequency is empty.</source>
        <translation>Стовпець Frequency порожній.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>no step of the radio fits both %1 MHz and the transmit frequency %2 MHz.</source>
        <translation>жоден крок радіостанції не підходить одночасно до %1 МГц і до частоти передавання %2 МГц.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no step of the radio fits %1 MHz.</source>
        <translation>жоден крок радіостанції не підходить до %1 МГц.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 &quot;%2&quot; is not FM or NFM.</source>
        <translation>%1 «%2» — не FM і не NFM.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>the channel holds a value the radio cannot store.</source>
        <translation>канал містить значення, яке радіостанція не може зберегти.</translation>
    </message>
    <message>
        <location filename="../rules/FrequencyRules.cpp" line="+98"/>
        <source>Rx frequency is missing!</source>
        <translation>Не вказано частоту RX!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tx frequency is missing!</source>
        <translation>Не вказано частоту TX!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rx frequency and step do not match!</source>
        <translation>Частота RX не відповідає кроку!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tx frequency and step do not match!</source>
        <translation>Частота TX не відповідає кроку!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Invalid Rx frequency range!</source>
        <translation>Частота RX поза допустимим діапазоном!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid Tx frequency range!</source>
        <translation>Частота TX поза допустимим діапазоном!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid frequency range!</source>
        <translation>Неприпустимий діапазон частот!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Frequencies should be in the same range!</source>
        <translation>Частоти мають бути в одному діапазоні!</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <location filename="../ui/common/DesktopPrompts.cpp" line="+83"/>
        <source>DAT Files (*.DAT)</source>
        <translation>Файли DAT (*.DAT)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CSV Files (*.csv)</source>
        <translation>Файли CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PDF Files (*.pdf)</source>
        <translation>Файли PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <location filename="../model/ToneTables.cpp" line="+53"/>
        <source>On</source>
        <extracomment>The values of a channel&apos;s settings as the list and the Row Editor show them; files always keep them in English.</extracomment>
        <translation>Увімк</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>OFF</source>
        <translation>Вимк</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High</source>
        <translation>Висока</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mid</source>
        <translation>Середня</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Low</source>
        <translation>Низька</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wide</source>
        <translation>Широка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Narrow</source>
        <translation>Вузька</translation>
    </message>
</context>
</TS>
