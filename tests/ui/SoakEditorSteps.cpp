#include "SoakEditorSteps.h"

#include "ChannelListView.h"
#include "FakePrompts.h"
#include "MainDlg.h"
#include "RowEditorDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// Typed frequency texts: good ones, ones validation refuses, and nonsense.
const char* const kFrequencies[] = {"145",     "145.5",     "438.5",     "439.125",  "446.00625",
                                    "100",     "88",        "174",       "52",       "519.995",
                                    "145.001", "",          "600.00000", "0439.125", "4391250",
                                    "12.5",    "999999999", ".",         "145,500",  "-5"};
const char* const kNames[] = {"", "AB", "rept 1", "CQ-CQ*", "ab!cd", "WWWWWWW", " "};

template <typename T>
T* RandomEnabled(QDialog& dialog, const QString& suffix, std::mt19937& random) {
    std::vector<T*> found;
    for (T* widget : dialog.findChildren<T*>())
        if (widget->isEnabled() && widget->objectName().endsWith(suffix))
            found.push_back(widget);
    return found.empty() ? nullptr : found[random() % found.size()];
}

void RandomEdits(CRowEditorDlg& editor, std::mt19937& random) {
    for (int n = static_cast<int>(random() % 8); n > 0; --n) {
        switch (random() % 6) {
        case 0:
            if (auto* keep = RandomEnabled<QCheckBox>(editor, QStringLiteral("Keep"), random))
                keep->click();
            break;
        case 1:
            if (auto* list = RandomEnabled<QComboBox>(editor, QStringLiteral("List"), random))
                list->setCurrentIndex(
                    static_cast<int>(random() % static_cast<unsigned>(list->count())));
            break;
        case 2:
        case 3: {
            const bool rx = random() % 2 == 0;
            auto* box = editor.findChild<QLineEdit*>(rx ? QStringLiteral("rxEdit")
                                                        : QStringLiteral("txEdit"));
            if (!box->isEnabled())
                break;
            box->setText(QString::fromLatin1(kFrequencies[random() % std::size(kFrequencies)]));
            rx ? editor.OnRxKillFocus() : editor.OnTxKillFocus();
            break;
        }
        case 4:
            if (auto* name = editor.findChild<QLineEdit*>(QStringLiteral("nameEdit"));
                name->isEnabled()) {
                name->clear();
                QTest::keyClicks(name, QString::fromLatin1(kNames[random() % std::size(kNames)]));
            }
            break;
        default:
            random() % 2 ? editor.OnNext() : editor.OnPrev();
            if (random() % 4 == 0)
                editor.OnNew();
            QCoreApplication::sendPostedEvents();
        }
    }
}

std::vector<CChannel> Snapshot(const CChannelListView& list) {
    std::vector<CChannel> records;
    for (int row = 0; row < list.Channels().RowCount(); ++row)
        records.push_back(*list.Channels().RecordAt(row));
    return records;
}

} // namespace

bool RunRandomEditor(FakePrompts& prompts, CMainDlg& window, std::mt19937& random) {
    const std::vector<CChannel> before = Snapshot(window.List());
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
    switch (random() % 3) {
    case 0:
        window.OnEdit();
        break;
    case 1:
        window.OnNew();
        break;
    default:
        window.OnListDoubleClick(window.List().model()->index(static_cast<int>(random() % 220), 0));
    }
    prompts.onModal = nullptr;
    if (ran && !accepted) {
        // Cancel drops every change, also on rows visited with Prev and Next.
        const std::vector<CChannel> after = Snapshot(window.List());
        EXPECT_EQ(after.size(), before.size());
        for (std::size_t i = 0; i < std::min(after.size(), before.size()); ++i)
            EXPECT_EQ(std::memcmp(after[i].bytes, before[i].bytes, CChannel::kSize), 0)
                << "row " << i;
    }
    return accepted;
}
