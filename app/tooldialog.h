#pragma once

#include <QDialog>

// Builds a Qt Designer form on a tool dialog. The form (a plain structure of
// pointers) is deleted when its dialog is, also when the main window's
// teardown deletes the dialog.
template <class Form> Form *installForm(QDialog *dialog)
{
    auto *form = new Form;
    form->setupUi(dialog);
    QObject::connect(dialog, &QObject::destroyed, dialog, [form] { delete form; });
    return form;
}
