#include "avertissement.h"

#include <QMessageBox>

void Avertir(QWidget& proprietaire, const QString& message)
{
    QMessageBox boite(QMessageBox::NoIcon, QStringLiteral("Attention"), message, QMessageBox::Ok,
                      &proprietaire);
    boite.setWindowModality(Qt::ApplicationModal);
    boite.exec();
}
