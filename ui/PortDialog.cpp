#include "ui/PortDialog.h"

#include "link/PortPath.h"
#include "overlay/DefinitionSource.h"
#include "platform/MessageBox.h"
#include "sheets/ReadDecimal.h"
#include "ui/BodyLines.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int kPathRole = Qt::UserRole;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// "path - product" and, for a device this user may not open, the group to join.
QString DeviceText(IDefinitionSource& texts, const platform::SerialPortEntry& device) {
    QString text = Q(device.path);
    if (!device.description.empty()) {
        text += QStringLiteral("  -  ") + Q(device.description);
    }
    if (!device.accessible) {
        text += QStringLiteral("  ") +
                (device.group.empty() ? Q(texts.GetLine("GI_AppInd_Opt_ComSel_NoAccess", 0))
                                      : Q(texts.GetLine("GI_AppInd_Opt_ComSel_JoinGroup", 0)).arg(Q(device.group)));
    }
    return text;
}

} // namespace

PortDialog::PortDialog(QWidget* owner,
                       IDefinitionSource& texts,
                       platform::IMessageBox& messageBox,
                       int port,
                       std::vector<platform::SerialPortEntry> devices)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_texts(texts), m_messageBox(messageBox), m_devices(std::move(devices)) {
    setObjectName(QStringLiteral("PortDialog"));
    setWindowTitle(Q(texts.GetLine("GI_AppInd_Opt_ComSel_Caption", 0)));
    const QFontMetrics metrics(font());
    const int w = metrics.horizontalAdvance(QLatin1Char('W'));

    m_notice = new QLabel(Q(ui::JoinedLines(texts, "GI_AppInd_Opt_ComSel_Notice")), this);
    m_notice->setTextFormat(Qt::PlainText);
    m_notice->setWordWrap(false);
    m_inUse = new QLabel(this);
    m_inUse->setTextFormat(Qt::PlainText);
    m_inUse->hide();

    m_edit = new QLineEdit(QString::number(port), this);
    m_edit->setMaxLength(4);
    m_edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_edit->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("255WWWW")));

    auto* devicesLabel = new QLabel(Q(texts.GetLine("GI_AppInd_Opt_ComSel_Devices", 0)), this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("devices"));
    for (const platform::SerialPortEntry& device : m_devices) {
        auto* item = new QListWidgetItem(DeviceText(texts, device), m_list);
        item->setData(kPathRole, Q(device.path));
    }
    auto* sim = new QListWidgetItem(Q(texts.GetLine("GI_AppInd_Opt_ComSel_Sim", 0)), m_list);
    sim->setData(kPathRole, QString::fromLatin1(kSimulatedDevice));
    m_list->setMinimumWidth(m_list->sizeHintForColumn(0) + 4 * w);
    m_list->setFixedHeight(m_list->sizeHintForRow(0) * std::min(m_list->count() + 1, 6) + 4);
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] { DeviceChosen(); });

    const std::string buttonSample = texts.GetLine("GI_AppInd_Opt_ComSel_SizeOfButtons", 0);
    m_ok = new QPushButton(Q(texts.GetLine("GI_AppInd_Opt_ComSel_Buttons", 0)), this);
    auto* cancel = new QPushButton(Q(texts.GetLine("GI_AppInd_Opt_ComSel_Buttons", 1)), this);
    for (QPushButton* button : {m_ok, cancel}) {
        button->setMinimumWidth(std::max(metrics.horizontalAdvance(Q(buttonSample)), button->sizeHint().width()));
    }
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, [this] { Accept(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* portRow = new QHBoxLayout;
    portRow->addSpacing(2 * w);
    portRow->addWidget(m_edit);
    portRow->addStretch(1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(m_ok);
    buttonRow->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(w, w, w, w);
    layout->addWidget(m_notice);
    layout->addWidget(m_inUse);
    layout->addLayout(portRow);
    layout->addSpacing(w / 2);
    layout->addWidget(devicesLabel);
    layout->addWidget(m_list);
    layout->addSpacing(w);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_edit->setFocus();
}

void PortDialog::SetInUse(const std::string& text) {
    m_inUse->setText(Q(m_texts.GetLine("GI_AppInd_Opt_ComSel_InUse", 0)).arg(Q(text)));
    m_inUse->setVisible(!text.empty());
}

void PortDialog::DeviceChosen() {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    const int tablePort = clonelink::TablePortOf(selected.front()->data(kPathRole).toString().toStdString());
    if (tablePort != 0) {
        m_edit->setText(QString::number(tablePort));
    }
}

void PortDialog::Accept() {
    const std::string text = m_edit->text().toStdString();
    const std::string_view trimmed = sheets::TrimBlanks(text);
    const bool digits = !trimmed.empty() && trimmed.find_first_not_of("0123456789") == std::string_view::npos;
    const int port = digits ? sheets::ReadDecimal(trimmed) : 0;
    if (port < 1 || port > 256) {
        m_messageBox.Show(m_texts.GetLine("GI_Sys_AppTitle", 0),
                          ui::JoinedLines(m_texts, "GI_AppInd_Opt_ComSel_OutofRange"),
                          platform::IMessageBox::Icon::Error,
                          platform::IMessageBox::Buttons::Ok);
        m_edit->setFocus();
        m_edit->selectAll();
        return;
    }
    m_port = port;
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    m_device = selected.isEmpty() ? std::string() : selected.front()->data(kPathRole).toString().toStdString();
    accept();
}
