#pragma once
// Helpers shared by the tests of the player, settings and result windows.
#include "platform/modal.h"

#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace windowtest {

// The whole content of a file, or "missing".
inline QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing");
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Shows `dialog` in the real modal loop, ends it with a click on the button
// named `button` (Enter when empty) and returns the modal result.
inline int modalResultOf(QDialog* dialog, const QString& button)
{
    QTimer::singleShot(0, dialog, [dialog, button] {
        if (button.isEmpty())
            QTest::keyClick(dialog, Qt::Key_Return);
        else
            QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
    });
    return platform::showModal(dialog);
}

} // namespace windowtest
