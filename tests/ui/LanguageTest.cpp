// Every window in every shipped language, and in a made-up language 40 %
// longer whose every letter is accented: no text clipped, no control over
// another, every window inside the screen, and, in the made-up language, no
// text a window shows that the translators were not given. (The translation
// files themselves are checked by translations-check.cmake.)
#include "CompareDlg.h"
#include "Languages.h"
#include "PseudoLanguage.h"
#include "UiHelpers.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QLayout>
#include <QMap>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QTreeWidget>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// The texts a translator is given: context and source of every message of
// a translation file.
QSet<QString> Catalog(const QString& file) {
    QSet<QString> texts;
    QFile ts(file);
    EXPECT_TRUE(ts.open(QIODevice::ReadOnly));
    QString context;
    for (QXmlStreamReader xml(&ts); !xml.atEnd();)
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        else if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            texts << context + QLatin1Char('|') + xml.readElementText();
    return texts;
}

// The made-up language for Velmora's texts that the translators were given
// (Qt's own all): a text the translators never see stays plain.
class CCatalogPseudo : public CPseudoTranslator {
public:
    using CPseudoTranslator::CPseudoTranslator;
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        static const QSet<QString> catalog =
            Catalog(QStringLiteral(VELMORA_TS_DIR "/velmora_de.ts"));
        const QString key =
            QString::fromUtf8(context) + QLatin1Char('|') + QString::fromUtf8(source);
        return context[0] == 'Q' || catalog.contains(key)
                   ? CPseudoTranslator::translate(context, source, disambiguation, n)
                   : QString();
    }
};

// A language spoken for as long as it lives; a translator may try files
// of their own (VELMORA_QM_DIR).
class CSpoken {
public:
    explicit CSpoken(const QString& code) {
        if (code == QLatin1String("pseudo"))
            QCoreApplication::installTranslator(new CCatalogPseudo(&m_translators));
        else
            EXPECT_TRUE(InstallLanguage(
                *QCoreApplication::instance(), code,
                {qEnvironmentVariable("VELMORA_QM_DIR", QStringLiteral(VELMORA_QM_DIR))},
                &m_translators))
                << code.toStdString();
    }
    ~CSpoken() { QLocale::setDefault(m_locale); }

private:
    const QLocale m_locale;
    QObject m_translators; // a translator leaves the application with it
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
    void Add(const QWidget& at, const QString& what) {
        found << at.window()->objectName() + '/' + at.objectName() + ": " + what;
    }
};

// The texts a widget shows, and the width they need; the words of a list's
// settings, but not the names and numbers that are the user's.
QStringList TextsOf(const QWidget& widget, int& needed) {
    QStringList texts;
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        texts << label->text();
        needed = label->text().isEmpty() ? 0 : label->sizeHint().width();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        texts << button->text();
        needed = qobject_cast<const QPushButton*>(button)
                     ? button->fontMetrics().horizontalAdvance(QString(button->text()).remove('&'))
                     : button->sizeHint().width();
    } else if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
        texts << group->title();
        needed = group->fontMetrics().horizontalAdvance(group->title());
    } else if (const auto* list = qobject_cast<const QComboBox*>(&widget)) {
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
    } else if (const auto* bar = qobject_cast<const QMenuBar*>(&widget)) {
        for (const QAction* menu : bar->actions())
            texts << menu->text() << MenuTexts(*menu->menu());
    } else if (const auto* menu = qobject_cast<const QMenu*>(&widget)) {
        texts << MenuTexts(*menu);
    } else if (const auto* channels = qobject_cast<const CChannelListView*>(&widget)) {
        const CChannelTableModel& model = channels->Channels();
        for (int column = 0; column < model.columnCount(); ++column) {
            texts << model.headerData(column, Qt::Horizontal).toString();
            const CellEditor editor = model.ColumnAt(column).editor;
            for (int row = 0; row < model.RowCount() && editor >= CellEditor::kList; ++row)
                texts << model.index(row, column).data().toString();
        }
    } else if (const auto* tree = qobject_cast<const QTreeWidget*>(&widget)) {
        for (QTreeWidgetItemIterator item(const_cast<QTreeWidget*>(tree)); *item; ++item)
            for (int column = 0; column < tree->columnCount(); ++column)
                texts << (*item)->text(column) << tree->headerItem()->text(column);
    }
    return texts;
}

// Every text fits its control, every column its title, no control placed by
// hand lies over another, the window fits the screen; in the made-up
// language, no text shown was left untranslated.
void CheckWindow(const QWidget& window, bool pseudo, Problems& problems) {
    const QSize screen = window.screen()->availableGeometry().size();
    if (window.width() > screen.width() || window.height() > screen.height())
        problems.Add(window, QStringLiteral("larger than the screen"));
    int needed = 0;
    QStringList texts = TextsOf(window, needed) << window.windowTitle();
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    QStringList names;
    for (const QWidget* widget : widgets) {
        if (!widget->isVisibleTo(&window))
            continue;
        needed = 0;
        texts << TextsOf(*widget, needed);
        // A control that takes the focus has a name of its own for a screen
        // reader, in the user's language.
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->inherits("QScrollBar") &&
            widget->window() == &window) {
            const QString name =
                widget->accessibleName().isEmpty()
                    ? QAccessible::queryAccessibleInterface(const_cast<QWidget*>(widget))
                          ->text(QAccessible::Name)
                    : widget->accessibleName();
            if (name.isEmpty() || names.contains(name))
                problems.Add(*widget, QStringLiteral("no name of its own: \"%1\"").arg(name));
            names << name;
        }
        if (needed > widget->width())
            problems.Add(
                *widget,
                QStringLiteral("needs %1 pixels, has %2").arg(needed).arg(widget->width()));
        if (const auto* channels = qobject_cast<const CChannelListView*>(widget))
            for (int section = 0; section < channels->Channels().columnCount(); ++section)
                if (channels->fontMetrics().horizontalAdvance(
                        channels->Channels().headerData(section, Qt::Horizontal).toString()) >
                    channels->columnWidth(section))
                    problems.Add(*widget, QStringLiteral("column %1 is too narrow").arg(section));
    }
    for (const QString& text : texts + names)
        if (pseudo && !OnlyValues(text))
            problems.Add(window, QStringLiteral("untranslated \"%1\"").arg(text));
    widgets << const_cast<QWidget*>(&window);
    for (const QWidget* parent : widgets) {
        if ((parent != &window && parent->parentWidget() != &window) ||
            qobject_cast<const QAbstractScrollArea*>(parent) ||
            (parent->layout() && parent->layout()->count() > 1))
            continue;
        std::vector<const QWidget*> controls;
        for (const QObject* child : parent->children())
            if (const auto* control = qobject_cast<const QWidget*>(child);
                control && !control->isWindow() && control->isVisibleTo(&window) &&
                !qobject_cast<const QGroupBox*>(control) && !qobject_cast<const QMenuBar*>(control))
                controls.push_back(control);
        for (std::size_t i = 0; i < controls.size(); ++i)
            for (std::size_t j = i + 1; j < controls.size(); ++j)
                if (controls[i]->geometry().intersects(controls[j]->geometry()))
                    problems.Add(*controls[i],
                                 QStringLiteral("lies over ") + controls[j]->objectName());
    }
}

// Opens every window of the program in the language and checks it, and the
// messages of a failed open, a refused frequency and a skipped CSV line.
QStringList ProblemsIn(const QString& code) {
    const bool pseudo = code == QLatin1String("pseudo");
    const CSpoken spoken(code);
    Problems problems;
    const auto check = [&](QWidget& window) {
        window.show();
        CheckWindow(window, pseudo, problems);
    };
    MainWindowFixture f(kTGUV2, UsedChannels(kTGUV2, 12));
    f.prompts.onModal = [&](QDialog& dialog) { return check(dialog), int(QDialog::Rejected); };
    f.prompts.onMenu = [&](QMenu& menu, const QPoint&) { return check(menu), nullptr; };
    for (const bool all : {false, true}) {
        f.ShowAllColumns(all);
        check(*f.window);
    }
    for (const std::vector<int>& rows : {std::vector<int>{2}, std::vector<int>{2, 3, 4}})
        check(*f.Edit(rows));
    f.window->OnListContextMenu({5, 5});
    f.Import(f.dir / "radio.DAT");
    f.prompts.openNames = {QPath(f.dir / "radio.DAT")};
    for (void (CMainDlg::*command)() :
         {&CMainDlg::OnCompare, &CMainDlg::OnFind, &CMainDlg::OnCheckChannels,
          &CMainDlg::OnKeyboardShortcuts, &CMainDlg::OnSort, &CMainDlg::OnAbout})
        (f.window.get()->*command)();
    for (QWidget* window : std::initializer_list<QWidget*>{
             f.window->ImportDlg(), f.window->CompareDlg(), f.window->FindDlg(),
             f.window->CheckDlg(), f.window->ShortcutsDlg()})
        check(*window);

    // Messages: a file that is no DAT file, a CSV line that gives no
    // channel, a frequency the radio refuses.
    WriteBytes(f.dir / "short.DAT", Bytes(100, 0));
    f.OpenPath(f.dir / "short.DAT");
    const std::string list = "Location,Frequency\n0,145.5\n1,abc\n";
    WriteBytes(f.dir / "list.csv", Bytes(list.begin(), list.end()));
    f.prompts.openNames = {QPath(f.dir / "list.csv")};
    f.window->ImportDlg()->OnOpenForImport();
    MainWindowFixture uhf(kTG6A, UsedChannels(kTG6A, 2));
    check(*uhf.window);
    check(*uhf.Edit({0, 1}));
    uhf.Do(&CMainDlg::OnCopy, {0});
    uhf.Do(&CMainDlg::OnPaste, {5});
    QStringList messages;
    for (const CScriptedPrompts* prompts : {&f.prompts, &uhf.prompts})
        for (const auto* texts : {&prompts->messages, &prompts->reasons, &prompts->details})
            messages << QStringList(texts->begin(), texts->end());
    EXPECT_GE(messages.size(), 6) << code.toStdString();
    for (const QString& text : messages)
        if (pseudo && !OnlyValues(text))
            problems.Add(*f.window, QStringLiteral("untranslated message \"%1\"").arg(text));
    return problems.found;
}

TEST(Languages, EveryWindowFitsAndIsTranslated) {
    QStringList codes{QStringLiteral("pseudo")};
    for (const Language& language : ShippedLanguages())
        codes << QString::fromLatin1(language.code);
    for (const QString& code : codes)
        EXPECT_EQ(ProblemsIn(code), QStringList()) << code.toStdString();
}

// The language follows the desktop as gettext reads it, unless the user chose one.
TEST(Languages, TheDesktopOrTheUserChooses) {
    using Environment = QMap<QString, QString>;
    const std::tuple<Environment, QString, QString> cases[] = {
        {{{"LANG", "de_AT.UTF-8"}}, "", "de"},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}, "", "fr"},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "pl_PL.UTF-8"}}, "", "pl"},
        {{{"LANG", "pt_BR.UTF-8"}, {"LANGUAGE", "pt_BR:es:de"}}, "", "es"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en:de"}}, "", ""},
        {{{"LANG", "C"}, {"LANGUAGE", "de"}}, "", ""},
        {{{"LANG", "zh_TW.UTF-8"}}, "", ""},
        {{{"LANG", "zh_SG.UTF-8"}}, "", "zh_CN"},
        {{{"LANG", "ru_RU.UTF-8"}}, "cs", "cs"},
        {{{"LANG", "ru_RU.UTF-8"}}, "en", ""},
        {{{"LANG", "ru_RU.UTF-8"}}, "xx", "ru"},
    };
    for (const auto& [environment, chosen, language] : cases) {
        const auto variable = [&](const char* name) { return environment.value(name); };
        EXPECT_EQ(ChosenLanguage(chosen, variable), language)
            << environment.first().toStdString() << " " << chosen.toStdString();
    }
}

} // namespace
