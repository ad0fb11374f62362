#include "players/uPlayerSelect.h"

#include "platform/controls.h"
#include "platform/paths.h"
#include "platform/recordfile.h"

TForm3* Form3 = nullptr;

TForm3::TForm3(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QString::fromUtf8("Kovra 2 - Játékos kiválasztása"));
    setFont(platform::windowFont());
    platform::fixAndCentre(this, 600, 417);
}

void TForm3::FajlIr()
{
    const QByteArray bytes = players::encodeRoster(roster);
    platform::writeRecordAtomic(platform::exeDir() + QStringLiteral("players.dat"), bytes.constData(),
                                bytes.size());
}
