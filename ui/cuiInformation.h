#pragma once

#include <QDialog>
#include <string>

class IDefinitionSource;

// A small window that shows one sheet with an OK button (the clone information). The sheet widget,
// made by the caller, sits in a bevelled panel sized to the sheet's full size; the window is centred
// over its owner, shown without being modal while the owner takes no input, and deletes itself when
// closed, the sheet with it.
class cuiInformation final : public QDialog {
public:
    // Takes `sheet` (its size hint is the sheet's full size); the button's caption is line 0 of
    // "GI_AppInd_Button_OkCancel".
    cuiInformation(QWidget* owner, const std::string& caption, IDefinitionSource& texts, QWidget* sheet);

    // Shows the window over its owner with the focus on the button.
    void Open();
    QWidget* Sheet() const { return m_sheet; }

private:
    QWidget* m_sheet;
};
