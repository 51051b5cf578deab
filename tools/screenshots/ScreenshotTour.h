#pragma once

#include "RadioModel.h"
#include "ScriptedPrompts.h"

#include <QImage>
#include <QString>

#include <initializer_list>
#include <memory>

class CMainDlg;

// Walks through the program the way a new user would, with the example files,
// and writes a picture of every window the user guide shows. Each window is
// reached through the commands the user would give; the scripted prompts take
// the pictures of dialogs, menus and messages instead of waiting for the user.
class CScreenshotTour {
public:
    CScreenshotTour(const QString& outputFolder, const QString& examplesFolder);
    ~CScreenshotTour();

    // Takes every picture; false when a window did not do what the guide
    // shows or a picture could not be written (each problem is printed).
    bool Run();

private:
    std::unique_ptr<CMainDlg> NewMainWindow(RadioModel model);
    void OpenExample(CMainDlg& window, const QString& fileName);
    // Ticks "Show all columns", as the user would.
    void ShowAllColumns(CMainDlg& window);
    void ShootTgUv2Windows();
    void ShootRightClickMenuAndNew(CMainDlg& window);
    void ShootRowEditorOneRow(CMainDlg& window);
    void ShootRowEditorBlank(CMainDlg& window);
    void ShootFileMenu(CMainDlg& window);
    void ShootMenuBarMenu(CMainDlg& window, int index, const QString& choice, const QString& name);
    void ShootAllColumns(CMainDlg& window);
    void ShootPrintPreview(CMainDlg& window);
    void ShootPdfPage(CMainDlg& window);
    void ShootImportAndExit();
    void ShootAbout(CMainDlg& window);
    void ShootTg6aWindows();
    void ShootInvalidFrequency(CMainDlg& window);
    void ShootFileFailures();
    void ShootCsvImport();
    void ShootSearchWindows();
    void ShootCellEditing();
    void ShootSpreadsheetPaste();
    void ShootCompare();

    // The next modal dialog (then cancelled) or message box is pictured under
    // this name.
    void PictureNextDialog(const QString& name);
    void PictureNextMessage(const QString& name);
    // The next popup menu is pictured over its window, then the item whose
    // text starts with choice is chosen. Highlighted, the item is shown under
    // the pointer; a menu of one item reads better without.
    void PictureNextMenu(const QString& choice, bool highlighted = true);
    void ForgetScripts();

    void Save(const QString& name, const QImage& picture);
    void Expect(bool condition, const QString& what);

    CScriptedPrompts m_prompts;
    QString m_output;
    QString m_examples;
    QImage m_menuPicture;
    bool m_bOk = true;
};
