#include "ui/cuiInformation.h"

#include "overlay/DefinitionSource.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

cuiInformation::cuiInformation(QWidget* owner, const std::string& caption, IDefinitionSource& texts, QWidget* sheet)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), m_sheet(sheet) {
    setObjectName(QStringLiteral("cuiInformation"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromStdString(caption));
    setWindowModality(Qt::WindowModal);

    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(8, 8, 8, 8);
    sheet->setParent(panel);
    sheet->setMinimumSize(sheet->sizeHint());
    panelLayout->addWidget(sheet);

    auto* ok = new QPushButton(QString::fromStdString(texts.GetLine("GI_AppInd_Button_OkCancel", 0)), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 5, 5);
    layout->setSpacing(5);
    layout->addWidget(panel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void cuiInformation::Open() {
    adjustSize();
    if (parentWidget() != nullptr) {
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(parentWidget()->frameGeometry().center());
        move(frame.topLeft());
    }
    show();
    if (auto* ok = findChild<QPushButton*>(QStringLiteral("ok")); ok != nullptr) {
        ok->setFocus();
    }
}
