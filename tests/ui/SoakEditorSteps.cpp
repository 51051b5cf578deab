#include "SoakEditorSteps.h"

#include "ChannelListView.h"
#include "FakePrompts.h"
#include "MainDlg.h"
#include "RowEditorDlg.h"
#include "UiHelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Typed frequency texts: good ones, ones validation refuses, and nonsense.
const char* const kFrequencies[] = {"145",     "145.5",     "438.5",     "439.125",  "446.00625",
                                    "100",     "88",        "174",       "52",       "519.995",
                                    "145.001", "",          "600.00000", "0439.125", "4391250",
                                    "12.5",    "999999999", ".",         "145,500",  "-5"};
const char* const kNames[] = {"", "AB", "rept 1", "CQ-CQ*", "ab!cd", "WWWWWWW", " "};

template <typename T> T* RandomEnabled(QDialog& dialog, const char* suffix, std::mt19937& random) {
    std::vector<T*> found;
    for (T* widget : dialog.findChildren<T*>())
        if (widget->isEnabled() && widget->objectName().endsWith(QLatin1String(suffix)))
            found.push_back(widget);
    return found.empty() ? nullptr : found[random() % found.size()];
}

// Keep boxes, list choices, typed frequencies and names, Next, Prev and New.
void RandomEdits(CRowEditorDlg& editor, std::mt19937& random) {
    for (int n = static_cast<int>(random() % 8); n > 0; --n) {
        const auto what = random() % 6;
        if (what == 0) {
            if (auto* keep = RandomEnabled<QCheckBox>(editor, "Keep", random))
                keep->click();
        } else if (what == 1) {
            if (auto* list = RandomEnabled<QComboBox>(editor, "List", random))
                list->setCurrentIndex(static_cast<int>(random() % unsigned(list->count())));
        } else if (what <= 3) {
            const bool rx = random() % 2 == 0;
            auto* box = editor.findChild<QLineEdit*>(rx ? "rxEdit" : "txEdit");
            if (!box->isEnabled())
                continue;
            box->setText(QString::fromLatin1(kFrequencies[random() % std::size(kFrequencies)]));
            rx ? editor.OnRxKillFocus() : editor.OnTxKillFocus();
        } else if (what == 4) {
            auto* name = editor.findChild<QLineEdit*>("nameEdit");
            if (!name->isEnabled())
                continue;
            name->clear();
            QTest::keyClicks(name, QString::fromLatin1(kNames[random() % std::size(kNames)]));
        } else {
            random() % 2 ? editor.OnNext() : editor.OnPrev();
            if (random() % 4 == 0)
                editor.OnNew();
            QCoreApplication::sendPostedEvents();
        }
    }
}

std::vector<testing_support::Bytes> Snapshot(const CChannelListView& list) {
    std::vector<testing_support::Bytes> records;
    for (int row = 0; row < list.Channels().RowCount(); ++row)
        records.push_back(testing_support::BytesOf(*list.Channels().RecordAt(row)));
    return records;
}

} // namespace

bool RunRandomEditor(FakePrompts& prompts, CMainDlg& window, std::mt19937& random) {
    const auto before = Snapshot(window.List());
    bool accepted = false;
    bool ran = false;
    prompts.onModal = [&](QDialog& dialog) -> int {
        ran = true;
        RandomEdits(static_cast<CRowEditorDlg&>(dialog), random);
        if (random() % 3 == 0)
            return QDialog::Rejected;
        dialog.accept();
        accepted = dialog.result() == QDialog::Accepted;
        return dialog.result();
    };
    const auto how = random() % 3;
    if (how == 0)
        window.OnEdit();
    else if (how == 1)
        window.OnNew();
    else
        window.OnListDoubleClick(window.List().model()->index(static_cast<int>(random() % 220), 0));
    prompts.onModal = nullptr;
    // Cancel drops every change, also on rows visited with Prev and Next.
    if (ran && !accepted) {
        EXPECT_EQ(Snapshot(window.List()), before);
    }
    return accepted;
}
