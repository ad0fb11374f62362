#include "support/appwindows.h"
#include "flowsupport.h"

#include "players/playerdialog.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QtEndian>

namespace flows {

void type(QWidget* w, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void addAndChoose(const QString& name, int row)
{
    if (!name.isEmpty()) {
        QTest::mouseClick(playerDialog()->addButton, Qt::LeftButton);
        type(playerDialog()->nameEdit, name);
        QTest::mouseClick(playerDialog()->confirmAddButton, Qt::LeftButton);
    }
    QListWidget* list = playerDialog()->playerList;
    if (QListWidgetItem* item = list->item(row))
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    QTest::mouseClick(playerDialog()->okButton, Qt::LeftButton);
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

Slot slotOf(const QByteArray& roster, int k)
{
    Slot s;
    if (roster.size() < 4 + 48 * k)
        return s;
    const char* p = roster.constData() + 4 + 48 * (k - 1);
    s.name = QByteArray(p + 1, qMin(int(quint8(p[0])), 30));
    s.level = quint8(p[31]);
    s.helps = quint8(p[32]);
    s.bank = quint8(p[33]);
    s.totalSeconds = qFromLittleEndian<qint32>(p + 36);
    s.levelSeconds = qFromLittleEndian<qint32>(p + 40);
    s.attempts = qFromLittleEndian<quint16>(p + 44);
    return s;
}

} // namespace flows
