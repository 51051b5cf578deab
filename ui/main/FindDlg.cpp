#include "FindDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CFindDlg::CFindDlg(QWidget* owner) : QDialog(owner) {
    setWindowTitle(tr("Find"));
    setObjectName(QStringLiteral("findWindow"));
    m_editText = new QLineEdit(this);
    m_editText->setObjectName(QStringLiteral("findText"));
    auto* form = new QFormLayout;
    form->addRow(tr("Find what:"), m_editText);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* next = buttons->addButton(tr("Find Next"), QDialogButtonBox::ActionRole);
    QPushButton* previous = buttons->addButton(tr("Find Previous"), QDialogButtonBox::ActionRole);
    QPushButton* close = buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    next->setObjectName(QStringLiteral("findNextButton"));
    previous->setObjectName(QStringLiteral("findPreviousButton"));
    close->setObjectName(QStringLiteral("closeButton"));
    next->setDefault(true);
    connect(next, &QPushButton::clicked, this, [this] { Q_EMIT findRequested(Text(), 1); });
    connect(previous, &QPushButton::clicked, this, [this] { Q_EMIT findRequested(Text(), -1); });
    // Esc, the close box and "Close" all hide the window, which keeps its text.
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setFixedHeight(sizeHint().height());
}

void CFindDlg::ShowWith(const QString& text) {
    m_editText->setText(text);
    m_editText->selectAll();
    m_editText->setFocus();
    show();
    raise();
    activateWindow();
}

QString CFindDlg::Text() const { return m_editText->text(); }
