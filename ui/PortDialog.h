#pragma once

#include "platform/serial/PortList.h"

#include <QDialog>
#include <string>
#include <vector>

class IDefinitionSource;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
namespace platform {
class IMessageBox;
}

// The COM port window: a notice, the port number (1 to 256) to type, and the serial devices of this
// machine with the simulated radio as one more choice. Choosing a device picks the number the fixed
// table gives it (the number typed stays for a device outside the table) and makes it that port's
// device. OK with a number outside 1 to 256 shows "GI_AppInd_Opt_ComSel_OutofRange" and keeps the
// window open; Cancel changes nothing. Texts come from the overlay ("GI_AppInd_Opt_ComSel_...").
class PortDialog final : public QDialog {
public:
    // The device path that stands for the simulated radio.
    static constexpr const char* kSimulatedDevice = "sim";

    PortDialog(QWidget* owner,
               IDefinitionSource& texts,
               platform::IMessageBox& messageBox,
               int port,
               std::vector<platform::SerialPortEntry> devices);

    // Shows what the port in use stands for ("COM1 — simulated radio") above the port number.
    void SetInUse(const std::string& text);

    // After OK: the port chosen, and the device chosen for it (empty when none was picked).
    int Port() const { return m_port; }
    const std::string& Device() const { return m_device; }

    QLineEdit* Edit() const { return m_edit; }
    QListWidget* DeviceList() const { return m_list; }
    QPushButton* OkButton() const { return m_ok; }

private:
    void Accept();
    void DeviceChosen();

    IDefinitionSource& m_texts;
    platform::IMessageBox& m_messageBox;
    std::vector<platform::SerialPortEntry> m_devices;
    QLabel* m_notice = nullptr;
    QLabel* m_inUse = nullptr;
    QLineEdit* m_edit = nullptr;
    QListWidget* m_list = nullptr;
    QPushButton* m_ok = nullptr;
    int m_port = 0;
    std::string m_device;
};
