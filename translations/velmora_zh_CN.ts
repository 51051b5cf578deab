<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CAboutDlg</name>
    <message>
        <location filename="../ui/main/AboutDlg.cpp" line="+11"/>
        <source>About Velmora</source>
        <translation>关于 Velmora</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 Version %2</source>
        <translation>%1 版本 %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copyright (C) %1</source>
        <translation>版权所有 (C) %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This software is freeware.</source>
        <translation>本软件为免费软件。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>CChannelListView</name>
    <message>
        <location filename="../ui/common/ChannelListView.cpp" line="+193"/>
        <source>Select another row</source>
        <translation>选择其他行</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select more rows</source>
        <translation>选择多行</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move to another cell of the row</source>
        <translation>移到本行的其他单元格</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move to another row without changing the selection</source>
        <translation>移到其他行，不改变选择</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select or unselect the row</source>
        <translation>选择或取消选择该行</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open the list&apos;s menu</source>
        <translation>打开列表的快捷菜单</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>F2, or typing</source>
        <translation>F2 或直接输入</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit the cell</source>
        <translation>编辑单元格</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Switch an On/OFF cell</source>
        <translation>切换“开/关”单元格</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Store the edit and go down a row</source>
        <translation>保存编辑并下移一行</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Store the edit in every selected channel</source>
        <translation>将编辑保存到所有选中的信道</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Store the edit and go to the next or previous cell</source>
        <translation>保存编辑并移到下一个或上一个单元格</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leave the cell as it was</source>
        <translation>放弃编辑，保持单元格原样</translation>
    </message>
</context>
<context>
    <name>CChannelPages</name>
    <message>
        <location filename="../ui/main/ChannelPages.cpp" line="+90"/>
        <source>%1 — %2 — 1 channel</source>
        <translation>%1 — %2 — 1 个信道</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1 — %2 — %n channels</source>
        <translation>
            <numerusform>%1 — %2 — %n 个信道</numerusform>
        </translation>
    </message>
    <message>
        <location line="+138"/>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
</context>
<context>
    <name>CChannelTableModel</name>
    <message>
        <location filename="../ui/common/ChannelTableModel.cpp" line="+121"/>
        <source>ID %1, %2</source>
        <extracomment>What a screen reader says of a cell: its channel and its column.</extracomment>
        <translation>信道 %1，%2</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Difference</source>
        <translation>差异</translation>
    </message>
</context>
<context>
    <name>CCheckChannelsDlg</name>
    <message>
        <location filename="../ui/main/CheckChannelsDlg.cpp" line="+24"/>
        <source>Check Channels</source>
        <translation>检查信道</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Findings</source>
        <translation>检查结果</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ID</source>
        <translation>编号</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Severity</source>
        <translation>严重程度</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Problem</source>
        <translation>问题</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Check Again</source>
        <translation>重新检查</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No problems found.</source>
        <translation>未发现问题。</translation>
    </message>
</context>
<context>
    <name>CCompareDlg</name>
    <message>
        <location filename="../ui/main/CompareDlg.cpp" line="+44"/>
        <location line="+1"/>
        <source>Next Difference</source>
        <translation>下一处差异</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Previous Difference</source>
        <translation>上一处差异</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+107"/>
        <source>Show Differences Only</source>
        <translation>仅显示差异</translation>
    </message>
    <message>
        <location line="-105"/>
        <location line="+96"/>
        <source>Copy to Open File</source>
        <translation>复制到打开的文件</translation>
    </message>
    <message>
        <location line="-93"/>
        <source>Compare With Another File...</source>
        <translation>与其他文件比较…</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Compare</source>
        <translation>比较</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>&amp;Compare</source>
        <translation>比较(&amp;C)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Open file: %1</source>
        <translation>打开的文件：%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Channels of the open file</source>
        <translation>打开的文件中的信道</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Channels of %1</source>
        <translation>%1 中的信道</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>1 channel of %1 could not be compared.</source>
        <translation>%1 中有 1 个信道无法比较。</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n channels of %1 could not be compared.</source>
        <translation>
            <numerusform>%1 中有 %n 个信道无法比较。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 line of %1 could not be compared.</source>
        <translation>%1 中有 1 行无法比较。</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines of %1 could not be compared.</source>
        <translation>
            <numerusform>%1 中有 %n 行无法比较。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+47"/>
        <source>only in %1</source>
        <extracomment>How a screen reader reads the marks of rows that differ.</extracomment>
        <translation>仅在 %1 中</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>changed</source>
        <translation>已更改</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>only here</source>
        <translation>仅在此处</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The channels are the same.</source>
        <translation>信道完全相同。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 channel differs: %1 changed, %2 only here, %3 only in %4.</source>
        <translation>1 个信道不同：%1 个已更改，%2 个仅在此处，%3 个仅在 %4 中。</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n channels differ: %1 changed, %2 only here, %3 only in %4.</source>
        <translation>
            <numerusform>%n 个信道不同：%1 个已更改，%2 个仅在此处，%3 个仅在 %4 中。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CFindDlg</name>
    <message>
        <location filename="../ui/main/FindDlg.cpp" line="+11"/>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Find what:</source>
        <translation>查找内容：</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Find Next</source>
        <translation>查找下一个</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find Previous</source>
        <translation>查找上一个</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>CImportDlg</name>
    <message>
        <location filename="../ui/import/ImportDlg.cpp" line="+44"/>
        <source>Open DAT File For Import</source>
        <translation>打开要导入的 DAT 文件</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>IMPORT</source>
        <translation>导入</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Channels to import</source>
        <translation>要导入的信道</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>1 channel of %1 could not be imported.</source>
        <translation>%1 中有 1 个信道无法导入。</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n channels of %1 could not be imported.</source>
        <translation>
            <numerusform>%1 中有 %n 个信道无法导入。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 line of %1 could not be imported.</source>
        <translation>%1 中有 1 行无法导入。</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines of %1 could not be imported.</source>
        <translation>
            <numerusform>%1 中有 %n 行无法导入。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CMainDlg</name>
    <message>
        <location filename="../ui/main/MainDlg.cpp" line="+72"/>
        <source>Open DAT File</source>
        <translation>打开 DAT 文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open DAT</source>
        <translation>打开 DAT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save DAT File</source>
        <translation>保存 DAT 文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save DAT</source>
        <translation>保存 DAT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export CSV...</source>
        <translation>导出 CSV…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print...</source>
        <translation>打印…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print Preview...</source>
        <translation>打印预览…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export PDF...</source>
        <translation>导出 PDF…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Compare...</source>
        <translation>比较…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Up 15</source>
        <translation>上移 15</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Down 15</source>
        <translation>下移 15</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Row</source>
        <translation>插入行</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete and Close Up</source>
        <translation>删除并上移</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Velmora...</source>
        <translation>关于 Velmora(&amp;A)…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keyboard Shortcuts</source>
        <translation>键盘快捷键</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find...</source>
        <translation>查找…</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+338"/>
        <source>Find Next</source>
        <translation>查找下一个</translation>
    </message>
    <message>
        <location line="-336"/>
        <source>Find Previous</source>
        <translation>查找上一个</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sort...</source>
        <translation>排序…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check Channels...</source>
        <translation>检查信道…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Mode</source>
        <translation>型号</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Show all columns</source>
        <translation>显示所有列</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Channels</source>
        <translation>信道</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Invalid frequency!</source>
        <translation>频率无效！</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Choose %1 in the Mode box.</source>
        <translation>请在“型号”框中选择 %1。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Changes are not saved. Open another file anyway?</source>
        <translation>更改尚未保存。仍要打开其他文件吗？</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 was changed by another program since it was opened. Replace it anyway?</source>
        <translation>%1 在打开后已被其他程序修改。仍要替换它吗？</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Velmora opens one file per window; %1 was not opened.</source>
        <translation>Velmora 每个窗口只打开一个文件；未打开 %1。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 and %2</source>
        <extracomment>A list of files: &quot;a.DAT, b.DAT and c.DAT&quot;.</extracomment>
        <translation>%1 和 %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Velmora opens one file per window; %1 were not opened.</source>
        <translation>Velmora 每个窗口只打开一个文件；未打开 %1。</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Export CSV</source>
        <translation>导出 CSV</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Show the finding&apos;s channel</source>
        <translation>转到该信道</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../ui/main/MainDlgCommands.cpp" line="+204"/>
        <source>Row Editor</source>
        <translation>行编辑器</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check Channels</source>
        <translation>检查信道</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Main window</source>
        <translation>主窗口</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channel list</source>
        <translation>信道列表</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Import window</source>
        <translation>导入窗口</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compare window</source>
        <translation>比较窗口</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Changes are not saved. Exit anyway?</source>
        <translation>更改尚未保存。仍要退出吗？</translation>
    </message>
    <message>
        <location filename="../ui/main/MainDlgCommands.cpp" line="-123"/>
        <source>Edit %1</source>
        <translation>编辑“%1”</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>The clipboard holds no channels Velmora can read.</source>
        <translation>剪贴板中没有 Velmora 能读取的信道。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>1 channel of the clipboard could not be pasted.</source>
        <translation>剪贴板中有 1 个信道无法粘贴。</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n channels of the clipboard could not be pasted.</source>
        <translation>
            <numerusform>剪贴板中有 %n 个信道无法粘贴。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 line of the clipboard could not be pasted.</source>
        <translation>剪贴板中有 1 行无法粘贴。</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines of the clipboard could not be pasted.</source>
        <translation>
            <numerusform>剪贴板中有 %n 行无法粘贴。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+127"/>
        <source>Compare With</source>
        <translation>选择要比较的文件</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Copy from %1</source>
        <translation>从 %1 复制</translation>
    </message>
    <message>
        <location filename="../ui/main/MainDlgPrinting.cpp" line="+66"/>
        <source>Export PDF</source>
        <translation>导出 PDF</translation>
    </message>
    <message>
        <location filename="../ui/main/MainDlgSearch.cpp" line="+43"/>
        <source>No channel matches &quot;%1&quot;.</source>
        <translation>没有与“%1”匹配的信道。</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Sort</source>
        <translation>排序</translation>
    </message>
    <message>
        <location filename="../ui/main/MainDlgSettings.cpp" line="+54"/>
        <source>Recent &amp;Files</source>
        <translation>最近的文件(&amp;F)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Clear Recent Files</source>
        <translation>清除最近的文件</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Takes effect when Velmora starts again</source>
        <translation>重新启动 Velmora 后生效</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>System Default</source>
        <translation>系统默认</translation>
    </message>
</context>
<context>
    <name>CRowEditorDlg</name>
    <message>
        <location filename="../ui/editor/RowEditorCommands.cpp" line="+80"/>
        <source>Selected row: %1</source>
        <translation>选中的行：%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../ui/editor/RowEditorDlg.cpp" line="+100"/>
        <source>Selected rows: %1 - %2</source>
        <translation>选中的行：%1 - %2</translation>
    </message>
    <message>
        <location filename="../ui/editor/RowEditorDlg.cpp" line="-29"/>
        <source>Row Editor</source>
        <translation>行编辑器</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt; Prev</source>
        <translation>&lt; 上一个</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next &gt;</source>
        <translation>下一个 &gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Frequency Configuration</source>
        <translation>频率设置</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>RX:</source>
        <translation>接收：</translation>
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
        <translation>接收</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TX:</source>
        <translation>发射：</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>TX</source>
        <translation>发射</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Step:</source>
        <translation>步进：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kHz</source>
        <translation>kHz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Step</source>
        <translation>步进</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>QT/DQT RX:</source>
        <translation>接收亚音：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QT/DQT TX:</source>
        <translation>发射亚音：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reverse:</source>
        <translation>反频：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TX Power:</source>
        <translation>发射功率：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scramble:</source>
        <translation>扰频：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>W/N:</source>
        <translation>宽窄带：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan Add:</source>
        <translation>加入扫描：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Busy Set:</source>
        <translation>遇忙禁发：</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Keep multiple values</source>
        <translation>保留各自的值</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep multiple values: %1</source>
        <translation>保留各自的值：%1</translation>
    </message>
</context>
<context>
    <name>CShortcutsDlg</name>
    <message>
        <location filename="../ui/main/ShortcutsDlg.cpp" line="+26"/>
        <source>Keyboard Shortcuts</source>
        <translation>键盘快捷键</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Keyboard shortcuts</source>
        <translation>键盘快捷键</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keys</source>
        <translation>按键</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What they do</source>
        <translation>功能</translation>
    </message>
</context>
<context>
    <name>CSortDlg</name>
    <message>
        <location filename="../ui/main/SortDlg.cpp" line="+13"/>
        <source>Sort</source>
        <translation>排序</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Descending</source>
        <translation>降序</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sort by:</source>
        <translation>排序依据：</translation>
    </message>
</context>
<context>
    <name>CSystemClipboard</name>
    <message>
        <location filename="../ui/common/SystemClipboard.cpp" line="+81"/>
        <source>Channel %1: %2</source>
        <translation>信道 %1：%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>... and %1 more.</source>
        <translation>……还有 %1 条。</translation>
    </message>
</context>
<context>
    <name>Columns</name>
    <message>
        <location filename="../model/ChannelColumns.cpp" line="+24"/>
        <source>ID</source>
        <translation>编号</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>RX Freq</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TX Freq</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>QT/DQT Dec</source>
        <translation>接收亚音</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>QT/DQT Enc</source>
        <translation>发射亚音</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Step</source>
        <translation>步进</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reverse</source>
        <translation>反频</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TX Power</source>
        <translation>发射功率</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scramble</source>
        <translation>扰频</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>W/N</source>
        <translation>宽窄带</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Range</source>
        <translation>频段</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan</source>
        <translation>扫描</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Busy Set</source>
        <translation>遇忙禁发</translation>
    </message>
</context>
<context>
    <name>Failures</name>
    <message>
        <location filename="../ui/common/CommandRunner.cpp" line="+25"/>
        <source>Open operation failed.</source>
        <translation>打开失败。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save operation failed.</source>
        <translation>保存失败。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export operation failed.</source>
        <translation>导出失败。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print operation failed.</source>
        <translation>打印失败。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error creating Dialog</source>
        <translation>创建对话框时出错</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <location filename="../document/ChannelCheck.cpp" line="+60"/>
        <source>same frequencies and tones as channel %1</source>
        <translation>与信道 %1 的频率和亚音相同</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>same frequencies and tones as line %1</source>
        <translation>与第 %1 行的频率和亚音相同</translation>
    </message>
    <message>
        <location filename="../document/ChannelDocument.cpp" line="+149"/>
        <source>%1 holds no channels.</source>
        <translation>%1 中没有信道。</translation>
    </message>
    <message>
        <location filename="../document/DocumentEdits.cpp" line="+108"/>
        <source>%1 has no %2 frequency, but this radio works only at 400 MHz and above.</source>
        <extracomment>%1 is &quot;Channel 7&quot; or &quot;Pasted channel 1 of 3, for row 20,&quot;; %2 is RX or TX.</extracomment>
        <translation>%1：没有 %2 频率，但本机只能工作在 400 MHz 及以上。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 has no %2 frequency, but this radio works only below 400 MHz.</source>
        <translation>%1：没有 %2 频率，但本机只能工作在 400 MHz 以下。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 has the %2 frequency %3 MHz, but this radio works only at 400 MHz and above.</source>
        <translation>%1：%2 频率为 %3 MHz，但本机只能工作在 400 MHz 及以上。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 has the %2 frequency %3 MHz, but this radio works only below 400 MHz.</source>
        <translation>%1：%2 频率为 %3 MHz，但本机只能工作在 400 MHz 以下。</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Channel %1</source>
        <translation>信道 %1</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Pasted channel %1 of %2, for row %3,</source>
        <translation>粘贴的第 %1 个信道（共 %2 个，目标行 %3）</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Channel %1: %2</source>
        <translation>信道 %1：%2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The last row holds a channel; delete it first.</source>
        <translation>最后一行有信道；请先将其删除。</translation>
    </message>
    <message>
        <location filename="../document/RadioConversion.cpp" line="+76"/>
        <source>Channel %1 has no place on a %2 (channels 0–%3).</source>
        <translation>%2 上没有信道 %1 的位置（信道 0–%3）。</translation>
    </message>
    <message>
        <location filename="../model/DatFile.cpp" line="+30"/>
        <source>The file has %1 bytes; a %2 file has %3 bytes and a %4 file %5.</source>
        <translation>该文件有 %1 字节；%2 文件应有 %3 字节，%4 文件应有 %5 字节。</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>文件“%1”不存在。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>“%1”是文件夹，不是文件。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; is not a file.</source>
        <translation>“%1”不是文件。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You may not read the file &quot;%1&quot;.</source>
        <translation>无权读取文件“%1”。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file &quot;%1&quot; is write-protected.</source>
        <translation>文件“%1”受写保护。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>文件夹“%1”不存在。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You may not write in the folder &quot;%1&quot;.</source>
        <translation>无权写入文件夹“%1”。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The symbolic links of &quot;%1&quot; lead around in a circle.</source>
        <translation>“%1”的符号链接形成了循环。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The disk is full.</source>
        <translation>磁盘已满。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file would be larger than this system lets Velmora write.</source>
        <translation>文件将超过本系统允许 Velmora 写入的大小。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file &quot;%1&quot; could not be read to its end.</source>
        <translation>无法完整读取文件“%1”。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file has %1 bytes where a %2 file has %3. It is a %4 file.</source>
        <translation>该文件有 %1 字节，而 %2 文件应有 %3 字节。它是 %4 文件。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file has %1 bytes where a %2 file has %3.</source>
        <translation>该文件有 %1 字节，而 %2 文件应有 %3 字节。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file has %1 bytes, more than a list of channels ever needs.</source>
        <translation>该文件有 %1 字节，超出了任何信道列表所需的大小。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Channel %1 holds a value the radio does not know in the column &quot;%2&quot;.</source>
        <translation>信道 %1 的“%2”列中有电台无法识别的值。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The system reports: %1.</source>
        <translation>系统报告：%1。</translation>
    </message>
    <message>
        <location filename="../rules/CellEdit.cpp" line="+74"/>
        <source>This column cannot be edited.</source>
        <translation>此列不可编辑。</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>A name holds up to six of the letters A to Z, the digits and the characters space * + - / _.</source>
        <translation>名称最多 6 个字符，可使用字母 A–Z、数字、空格和 * + - / _。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&quot;%1&quot; is not one of this column&apos;s values.</source>
        <translation>“%1”不是此列的可选值。</translation>
    </message>
    <message>
        <location filename="../rules/ChannelCsv.cpp" line="+61"/>
        <source>%1 &quot;%2&quot; is not a row number from 0 to %3.</source>
        <translation>%1“%2”不是 0 到 %3 之间的行号。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Location %1 was given before, in line %2.</source>
        <translation>Location %1 已在第 %2 行出现过。</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>a quoted field is not closed.</source>
        <translation>带引号的字段未结束。</translation>
    </message>
    <message>
        <location filename="../rules/CsvHeader.cpp" line="+53"/>
        <source>The file has no header line naming its columns, such as Location and Frequency.</source>
        <translation>文件没有列出列名的标题行（例如 Location 和 Frequency）。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file has no &quot;%1&quot; column.</source>
        <translation>文件没有“%1”列。</translation>
    </message>
    <message>
        <location filename="../rules/CsvLineReader.cpp" line="+81"/>
        <source>%1 &quot;%2&quot; is not a number of MHz.</source>
        <extracomment>Reasons a list&apos;s line gives no channel follow &quot;Line 4: &quot;, in lower case where a word begins them. %1 is always the name of a column of the CSV file (Frequency, Offset, Duplex, Power…), which stays English, and %2 the text the file has there.</extracomment>
        <translation>%1“%2”不是以 MHz 为单位的数值。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 %2 MHz is not a whole multiple of 10 Hz.</source>
        <translation>%1 %2 MHz 不是 10 Hz 的整数倍。</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>the transmit frequency %1 MHz is outside this TG-6A&apos;s band (%2 MHz).</source>
        <translation>发射频率 %1 MHz 超出了这台 TG-6A 的频段（%2 MHz）。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the transmit frequency %1 MHz is outside the %2&apos;s bands (%3 MHz).</source>
        <translation>发射频率 %1 MHz 超出了 %2 的频段（%3 MHz）。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 MHz is outside this TG-6A&apos;s band (%2 MHz).</source>
        <translation>%1 MHz 超出了这台 TG-6A 的频段（%2 MHz）。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 MHz is outside the %2&apos;s bands (%3 MHz).</source>
        <translation>%1 MHz 超出了 %2 的频段（%3 MHz）。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>receive-only channels (Duplex &quot;off&quot;) cannot be stored in this radio.</source>
        <translation>本机无法存储仅接收信道（Duplex“off”）。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 &quot;%2&quot; is not +, -, split, off or empty.</source>
        <translation>%1“%2”不是 +、-、split、off 或空值。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>a split channel needs its transmit frequency in the Offset column.</source>
        <translation>split 信道需要在 Offset 列中填写发射频率。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 MHz and the transmit frequency %2 MHz are in different bands; the radio needs both in one.</source>
        <translation>%1 MHz 与发射频率 %2 MHz 不在同一频段；电台要求两者在同一频段。</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>DCS code %1 is not in the radio&apos;s table.</source>
        <translation>DCS 码 %1 不在电台的列表中。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CTCSS tone %1 is not in the radio&apos;s table.</source>
        <translation>CTCSS 亚音 %1 不在电台的列表中。</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 &quot;%2&quot; is not two of the letters N and R.</source>
        <translation>%1“%2”不是由 N 和 R 组成的两个字母。</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>%1 &quot;%2&quot; is not a pair such as Tone-&gt;DTCS.</source>
        <translation>%1“%2”不是 Tone-&gt;DTCS 这样的组合。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 &quot;%2&quot; is not one of Tone, TSQL, DTCS, Cross, TSQL-R and DTCS-R.</source>
        <translation>%1“%2”不是 Tone、TSQL、DTCS、Cross、TSQL-R 或 DTCS-R 之一。</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>%1 &quot;%2&quot; is not On or OFF.</source>
        <translation>%1“%2”不是 On 或 OFF。</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 &quot;%2&quot; is not High, Mid, Low or a number of watts.</source>
        <translation>%1“%2”不是 High、Mid、Low 或瓦数。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Frequency is empty.</source>
        <translation>Frequency 为空。</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>no step of the radio fits both %1 MHz and the transmit frequency %2 MHz.</source>
        <translation>电台没有同时适合 %1 MHz 和发射频率 %2 MHz 的步进。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no step of the radio fits %1 MHz.</source>
        <translation>电台没有适合 %1 MHz 的步进。</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 &quot;%2&quot; is not FM or NFM.</source>
        <translation>%1“%2”不是 FM 或 NFM。</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>the channel holds a value the radio cannot store.</source>
        <translation>该信道含有电台无法存储的值。</translation>
    </message>
    <message>
        <location filename="../rules/FrequencyRules.cpp" line="+98"/>
        <source>Rx frequency is missing!</source>
        <translation>缺少接收频率！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tx frequency is missing!</source>
        <translation>缺少发射频率！</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rx frequency and step do not match!</source>
        <translation>接收频率与步进不匹配！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tx frequency and step do not match!</source>
        <translation>发射频率与步进不匹配！</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Invalid Rx frequency range!</source>
        <translation>接收频率范围无效！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid Tx frequency range!</source>
        <translation>发射频率范围无效！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid frequency range!</source>
        <translation>频率范围无效！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Frequencies should be in the same range!</source>
        <translation>频率应在同一频段内！</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <location filename="../ui/common/DesktopPrompts.cpp" line="+83"/>
        <source>DAT Files (*.DAT)</source>
        <translation>DAT 文件 (*.DAT)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CSV Files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <location filename="../model/ToneTables.cpp" line="+53"/>
        <source>On</source>
        <extracomment>The values of a channel&apos;s settings as the list and the Row Editor show them; files always keep them in English.</extracomment>
        <translation>开</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mid</source>
        <translation>中</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wide</source>
        <translation>宽带</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Narrow</source>
        <translation>窄带</translation>
    </message>
</context>
</TS>
