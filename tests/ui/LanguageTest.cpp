// Every window in every shipped language, and in a made-up language 40 %
// longer whose every letter is accented: no text clipped, no control over
// another, every window inside the screen, and, in the made-up language, no
// text a window shows that did not go through translation. The translation
// files themselves: complete, their values kept.
#include "CompareDlg.h"
#include "Languages.h"
#include "PseudoLanguage.h"
#include "UiHelpers.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLayout>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QTranslator>
#include <QTreeWidget>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// A language spoken for as long as it lives.
class CSpoken {
public:
    explicit CSpoken(const QString& code) {
        if (code == QLatin1String("pseudo")) {
            m_translators.push_back(std::make_unique<CPseudoTranslator>());
        } else {
            for (const QString& name : {QStringLiteral("qtbase_"), QStringLiteral("velmora_")}) {
                auto translator = std::make_unique<QTranslator>();
                // A translator may try files of their own (VELMORA_QM_DIR).
                const QString folder =
                    name == QLatin1String("qtbase_")
                        ? QLibraryInfo::path(QLibraryInfo::TranslationsPath)
                        : qEnvironmentVariable("VELMORA_QM_DIR", QStringLiteral(VELMORA_QM_DIR));
                EXPECT_TRUE(translator->load(name + code, folder) || name != "velmora_")
                    << code.toStdString();
                m_translators.push_back(std::move(translator));
            }
        }
        for (const auto& translator : m_translators)
            QCoreApplication::installTranslator(translator.get());
    }
    ~CSpoken() {
        for (const auto& translator : m_translators)
            QCoreApplication::removeTranslator(translator.get());
    }

private:
    std::vector<std::unique_ptr<QTranslator>> m_translators;
};

// The values a window shows that no language translates: file names and
// folders, radios, tone codes and bands, the names of a CSV list's columns,
// the letter keys of shortcuts.
bool OnlyValues(QString text) {
    static const QRegularExpression values(QStringLiteral(
        R"((/[\w./-]*)|\b([\w-]+\.(DAT|csv|pdf)|TG-UV2|TG-6A|Velmora|D\d{3}[NI]|CTCSS|DCS|VHF1|)"
        R"(UHF[123]|FM|RX|TX|Frequency|Offset|Duplex|Location|F\d{1,2})\b|(?<=\+)[A-Z]\b|"[^"]*")"));
    text.remove(values);
    for (const Language& language : ShippedLanguages())
        text.remove(QString::fromUtf8(language.name));
    text.remove(QStringLiteral("English"));
    static const QRegularExpression ascii(QStringLiteral("[A-Za-z]"));
    return !text.contains(ascii);
}

struct Problems {
    QStringList found;
    void Add(const QWidget& where, const QString& what) {
        found << where.window()->objectName() + QLatin1Char('/') + where.objectName() + ": " + what;
    }
};

// Texts of a menu and its submenus.
void MenuTexts(const QMenu& menu, QStringList& texts) {
    texts << menu.title();
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator())
            continue;
        texts << action->text();
        if (action->menu())
            MenuTexts(*action->menu(), texts);
    }
}

// Every text the window shows, by the widget that shows it.
std::vector<std::pair<const QWidget*, QString>> ShownTexts(const QWidget& window) {
    std::vector<std::pair<const QWidget*, QString>> texts{{&window, window.windowTitle()}};
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window) && !qobject_cast<const QMenu*>(widget))
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            texts.emplace_back(widget, label->text());
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            texts.emplace_back(widget, button->text());
        else if (const auto* group = qobject_cast<const QGroupBox*>(widget))
            texts.emplace_back(widget, group->title());
        else if (const auto* list = qobject_cast<const QComboBox*>(widget))
            for (int i = 0; i < list->count(); ++i)
                texts.emplace_back(widget, list->itemText(i));
        else if (const auto* bar = qobject_cast<const QMenuBar*>(widget))
            for (const QAction* menu : bar->actions()) {
                QStringList items;
                MenuTexts(*menu->menu(), items);
                for (const QString& item : items)
                    texts.emplace_back(widget, item);
            }
        else if (const auto* channels = qobject_cast<const CChannelListView*>(widget)) {
            const CChannelTableModel& model = channels->Channels();
            for (int column = 0; column < model.columnCount(); ++column) {
                texts.emplace_back(widget, model.headerData(column, Qt::Horizontal).toString());
                // The words of settings; names and numbers are the user's.
                const CellEditor editor = model.ColumnAt(column).editor;
                if (editor == CellEditor::kList || editor == CellEditor::kOnOff)
                    for (int row = 0; row < model.RowCount(); ++row)
                        texts.emplace_back(widget, model.index(row, column).data().toString());
            }
        } else if (const auto* tree = qobject_cast<const QTreeWidget*>(widget)) {
            for (int column = 0; column < tree->columnCount(); ++column)
                texts.emplace_back(widget, tree->headerItem()->text(column));
            for (QTreeWidgetItemIterator item(const_cast<QTreeWidget*>(tree)); *item; ++item)
                for (int column = 0; column < tree->columnCount(); ++column)
                    texts.emplace_back(widget, (*item)->text(column));
        }
    }
    return texts;
}

// Whether every text fits its control, no control lies over another, and
// the window fits the screen.
void CheckLayout(const QWidget& window, Problems& problems) {
    const QSize screen = window.screen()->availableGeometry().size();
    if (window.width() > screen.width() || window.height() > screen.height())
        problems.Add(window, QStringLiteral("larger than the screen: %1x%2")
                                 .arg(window.width())
                                 .arg(window.height()));
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window))
            continue;
        int needed = 0;
        if (const auto* button = qobject_cast<const QPushButton*>(widget))
            needed =
                button->fontMetrics().horizontalAdvance(QString(button->text()).remove('&')) + 4;
        else if (const auto* box = qobject_cast<const QAbstractButton*>(widget))
            needed = box->sizeHint().width();
        else if (const auto* label = qobject_cast<const QLabel*>(widget))
            needed = label->wordWrap() || label->text().isEmpty() ? 0 : label->sizeHint().width();
        else if (const auto* group = qobject_cast<const QGroupBox*>(widget))
            needed = group->fontMetrics().horizontalAdvance(group->title());
        if (needed > widget->width())
            problems.Add(
                *widget,
                QStringLiteral("needs %1 pixels, has %2").arg(needed).arg(widget->width()));
        if (const auto* channels = qobject_cast<const CChannelListView*>(widget)) {
            const QHeaderView& header = *channels->horizontalHeader();
            for (int section = 0; section < header.count(); ++section) {
                const int text = header.fontMetrics().horizontalAdvance(
                    channels->Channels().headerData(section, Qt::Horizontal).toString());
                if (text > header.sectionSize(section))
                    problems.Add(*widget, QStringLiteral("column %1 is too narrow").arg(section));
            }
        }
    }
    // Controls placed by hand, not by a layout, must not overlap.
    QList<QWidget*> parents = window.findChildren<QWidget*>();
    parents << const_cast<QWidget*>(&window);
    for (const QWidget* parent : parents) {
        if ((parent != &window && parent->parentWidget() != &window) ||
            qobject_cast<const QAbstractScrollArea*>(parent) ||
            (parent->layout() && parent->layout()->count() > 1))
            continue;
        std::vector<const QWidget*> controls;
        for (const QObject* child : parent->children())
            if (const auto* control = qobject_cast<const QWidget*>(child);
                control && !control->isWindow() && control->isVisibleTo(&window) &&
                !qobject_cast<const QGroupBox*>(control) &&
                !qobject_cast<const QMenuBar*>(control) &&
                !control->objectName().startsWith(QLatin1String("qt_")))
                controls.push_back(control);
        for (std::size_t i = 0; i < controls.size(); ++i)
            for (std::size_t j = i + 1; j < controls.size(); ++j)
                if (controls[i]->geometry().intersects(controls[j]->geometry()))
                    problems.Add(*controls[i],
                                 QStringLiteral("lies over ") + controls[j]->objectName());
    }
}

void CheckWindow(const QWidget& window, bool pseudo, Problems& problems) {
    CheckLayout(window, problems);
    if (!pseudo)
        return;
    for (const auto& [widget, text] : ShownTexts(window))
        if (!OnlyValues(text))
            problems.Add(*widget, QStringLiteral("untranslated \"%1\"").arg(text));
}

QStringList Languages() {
    QStringList codes{QStringLiteral("pseudo")};
    for (const Language& language : ShippedLanguages())
        codes << QString::fromLatin1(language.code);
    return codes;
}

// Opens every window of the program in the language and checks it, and the
// messages of a failed open, a refused frequency and a skipped CSV line.
QStringList ProblemsIn(const QString& code) {
    const bool pseudo = code == QLatin1String("pseudo");
    const CSpoken spoken(code);
    Problems problems;
    MainWindowFixture f(kTGUV2, UsedChannels(kTGUV2, 12));
    f.prompts.onModal = [&](QDialog& dialog) {
        dialog.show();
        CheckWindow(dialog, pseudo, problems);
        return int(QDialog::Rejected);
    };
    f.prompts.onMenu = [&](QMenu& menu, const QPoint&) {
        QStringList items;
        MenuTexts(menu, items);
        for (const QString& item : items)
            if (pseudo && !OnlyValues(item))
                problems.Add(*f.window, QStringLiteral("untranslated menu item \"%1\"").arg(item));
        return nullptr;
    };
    for (const bool all : {false, true}) {
        f.ShowAllColumns(all);
        CheckWindow(*f.window, pseudo, problems);
    }
    for (const std::vector<int>& rows : {std::vector<int>{2}, std::vector<int>{2, 3, 4}}) {
        const auto editor = f.Edit(rows);
        editor->show();
        CheckWindow(*editor, pseudo, problems);
    }
    f.window->OnListContextMenu({5, 5});
    CheckWindow(f.Import(f.dir / "radio.DAT"), pseudo, problems);
    f.prompts.openNames = {QPath(f.dir / "radio.DAT")};
    f.window->OnCompare();
    CheckWindow(*f.window->CompareDlg(), pseudo, problems);
    f.window->OnFind();
    CheckWindow(*f.window->FindDlg(), pseudo, problems);
    f.window->OnCheckChannels();
    CheckWindow(*f.window->CheckDlg(), pseudo, problems);
    f.window->OnKeyboardShortcuts();
    CheckWindow(*f.window->ShortcutsDlg(), pseudo, problems);
    f.window->OnSort();
    f.window->OnAbout();

    // Messages: a file that is no DAT file, a CSV line that gives no
    // channel, a frequency the radio refuses.
    WriteBytes(f.dir / "short.DAT", Bytes(100, 0));
    f.OpenPath(f.dir / "short.DAT");
    QFile list(QPath(f.dir / "list.csv"));
    list.open(QIODevice::WriteOnly);
    list.write("Location,Frequency\n0,145.5\n1,abc\n");
    list.close();
    f.prompts.openNames = {QPath(f.dir / "list.csv")};
    f.window->ImportDlg()->OnOpenForImport();
    MainWindowFixture uhf(kTG6A, UsedChannels(kTG6A, 2));
    uhf.Do(&CMainDlg::OnCopy, {0});
    uhf.Do(&CMainDlg::OnPaste, {5});
    for (const CScriptedPrompts* prompts : {&f.prompts, &uhf.prompts})
        for (const auto* texts : {&prompts->messages, &prompts->reasons, &prompts->details}) {
            f.prompts.messages.insert(f.prompts.messages.end(), texts->begin(), texts->end());
        }
    EXPECT_GE(f.prompts.messages.size(), 3u) << code.toStdString();
    if (pseudo)
        for (const QString& text : f.prompts.messages)
            if (!OnlyValues(text))
                problems.Add(*f.window, QStringLiteral("untranslated message \"%1\"").arg(text));
    return problems.found;
}

TEST(Languages, EveryWindowFitsAndIsTranslated) {
    for (const QString& code : Languages())
        EXPECT_EQ(ProblemsIn(code), QStringList()) << code.toStdString();
}

// The translators' files: no entry left unfinished or obsolete, every value
// (%1 … %9, %n) of a text kept, and the file kinds' patterns kept, which the
// file dialogs read.
TEST(Languages, TranslationFilesAreCompleteAndKeepTheirValues) {
    static const QRegularExpression value(QStringLiteral("%[1-9n]|\\(\\*\\.\\w+\\)"));
    const auto valuesOf = [](const QString& text) {
        QStringList found;
        for (auto match = value.globalMatch(text); match.hasNext();)
            found << match.next().captured();
        found.sort();
        found.removeDuplicates();
        return found;
    };
    for (const Language& language : ShippedLanguages()) {
        QFile file(QStringLiteral(VELMORA_TS_DIR "/velmora_%1.ts").arg(language.code));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << language.code;
        QXmlStreamReader ts(&file);
        QString source;
        int messages = 0;
        while (!ts.atEnd()) {
            if (!ts.readNextStartElement())
                continue;
            if (ts.name() == QLatin1String("source")) {
                source = ts.readElementText();
                ++messages;
            } else if (ts.name() == QLatin1String("translation")) {
                const QString type = ts.attributes().value(QLatin1String("type")).toString();
                EXPECT_TRUE(type.isEmpty())
                    << language.code << ": " << type.toStdString() << " " << source.toStdString();
            }
            if (ts.name() == QLatin1String("translation") ||
                ts.name() == QLatin1String("numerusform")) {
                // A numerus form may leave the count out ("one channel").
                const bool numerus = ts.name() == QLatin1String("numerusform");
                const QString text = ts.readElementText(QXmlStreamReader::IncludeChildElements);
                if (text.isEmpty() && !numerus)
                    continue;
                QStringList wanted = valuesOf(source), given = valuesOf(text);
                if (numerus) {
                    wanted.removeAll(QStringLiteral("%n"));
                    given.removeAll(QStringLiteral("%n"));
                }
                EXPECT_FALSE(text.trimmed().isEmpty())
                    << language.code << ": " << source.toStdString();
                EXPECT_EQ(given, wanted) << language.code << ": " << source.toStdString();
            }
        }
        EXPECT_FALSE(ts.hasError()) << language.code;
        EXPECT_GT(messages, 250) << language.code;
    }
}

// The language follows the desktop as gettext reads it, unless the user chose one.
TEST(Languages, TheDesktopOrTheUserChooses) {
    using Environment = std::map<std::string, QString>;
    const std::tuple<Environment, QString, QString> cases[] = {
        {{{"LANG", "de_DE.UTF-8"}}, "", "de"},
        {{{"LANG", "de_AT.UTF-8"}}, "", "de"},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}, "", "fr"},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "pl_PL.UTF-8"}}, "", "pl"},
        {{{"LANG", "pt_BR.UTF-8"}, {"LANGUAGE", "pt_BR:es:de"}}, "", "es"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en:de"}}, "", ""},
        {{{"LANG", "C"}, {"LANGUAGE", "de"}}, "", ""},
        {{{"LANGUAGE", "de"}}, "", ""},
        {{{"LANG", "zh_TW.UTF-8"}}, "", ""},
        {{{"LANG", "zh_SG.UTF-8"}}, "", "zh_CN"},
        {{{"LANG", "uk_UA.UTF-8"}}, "", "uk"},
        {{{"LANG", "ru_RU.UTF-8"}}, "cs", "cs"},
        {{{"LANG", "ru_RU.UTF-8"}}, "en", ""},
        {{{"LANG", "ru_RU.UTF-8"}}, "xx", "ru"},
    };
    for (const auto& [environment, chosen, language] : cases) {
        const auto variable = [&](const char* name) {
            const auto found = environment.find(name);
            return found == environment.end() ? QString() : found->second;
        };
        EXPECT_EQ(ChosenLanguage(chosen, variable), language)
            << environment.begin()->second.toStdString() << " " << chosen.toStdString();
    }
}

} // namespace
