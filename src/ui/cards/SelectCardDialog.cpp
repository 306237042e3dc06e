#include "ui/cards/SelectCardDialog.h"

#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

SelectCardDialog::SelectCardDialog(const QList<int> &cards, const QStringList &titles,
                                   const QString &pictureFolder, const Texts &texts,
                                   QWidget *parent)
    : QDialog(parent)
    , ListBox1(new QListWidget(this))
    , Image1(new QLabel(this))
    , RadioGroup1(new QGroupBox(texts.orientation, this))
    , StraightButton(new QRadioButton(texts.straight, RadioGroup1))
    , ReversedButton(new QRadioButton(texts.reversed, RadioGroup1))
    , Button1(new QPushButton(texts.ok, this))
    , Button2(new QPushButton(texts.cancel, this))
    , m_cards(cards)
    , m_pictureFolder(pictureFolder)
{
    setObjectName(QStringLiteral("SelectCardDialog"));
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    Image1->setObjectName(QStringLiteral("Image1"));
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2->setObjectName(QStringLiteral("Button2"));
    setWindowTitle(texts.caption);
    setFixedSize(380, 340);

    ListBox1->setGeometry(16, 16, 170, 300);
    ListBox1->addItems(titles);
    Image1->setScaledContents(true);
    Image1->hide();
    auto *orientation = new QVBoxLayout(RadioGroup1);
    orientation->addWidget(StraightButton);
    orientation->addWidget(ReversedButton);
    StraightButton->setChecked(true);
    Button1->setGeometry(200, 291, 75, 25);
    Button2->setGeometry(286, 291, 75, 25);
    Button1->setDefault(true);
    Button1->setEnabled(false);
    setOrientationShown(true);

    connect(ListBox1, &QListWidget::currentRowChanged, this, &SelectCardDialog::ListBox1Click);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &SelectCardDialog::Button1Click);
    connect(Button1, &QPushButton::clicked, this, &SelectCardDialog::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void SelectCardDialog::setOrientationShown(bool shown)
{
    RadioGroup1->setVisible(shown);
    if (shown) {
        RadioGroup1->setGeometry(200, 8, 161, 72);
        Image1->setGeometry(224, 88, 113, 185);
    } else {
        Image1->setGeometry(200, 16, 161, 257);
    }
}

void SelectCardDialog::ClickQuer(int number)
{
    const int row = int(m_cards.indexOf(number));
    if (row >= 0)
        ListBox1->setCurrentRow(row);
}

void SelectCardDialog::ListBox1Click()
{
    const int row = ListBox1->currentRow();
    if (row < 0 || row >= m_cards.size())
        return;
    Button1->setEnabled(true);
    const QImage preview =
        QImageReader(m_pictureFolder + QStringLiteral("/%1.jpg").arg(m_cards.at(row))).read();
    if (preview.isNull())
        return;
    Image1->setPixmap(QPixmap::fromImage(preview));
    Image1->show();
}

void SelectCardDialog::Button1Click()
{
    const int row = ListBox1->currentRow();
    if (row < 0 || row >= m_cards.size())
        return;
    m_chosenCard = m_cards.at(row);
    m_chosenReversed = ReversedButton->isChecked();
    accept();
}
