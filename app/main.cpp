#include <QApplication>
#include <QMessageBox>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        QMessageBox::information(nullptr, QString(), QStringLiteral("No parameter input"));
        return 0;
    }
    return 0;
}
