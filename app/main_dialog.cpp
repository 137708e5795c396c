#include "app/main_dialog.h"

#include "skin/skin_package.h"
#include "skin/skin_working_folder.h"
#include "viewercontrol/viewer_control.h"

#include <QPainter>
#include <QStyle>

// Resources of a static library must be registered by hand.
static void InitLumaskinResources()
{
    Q_INIT_RESOURCE(lumaskin);
}

namespace lumaskin {

namespace {

constexpr char kStartupPackage[] = "/Purple.skn";

} // namespace

MainDialog::MainDialog(MessageBoxes *messages, QWidget *parent)
    : SkinDialog(parent),
      m_ownMessages(messages ? nullptr : std::make_unique<QtMessageBoxes>(this)),
      m_messages(messages ? messages : m_ownMessages.get()),
      // Both effect windows are children of this window and stay hidden until a button
      // shows them.
      m_effectDialogOne(&m_viewer, this, m_messages),
      m_effectDialogTwo(&m_viewer, this, m_messages),
      m_viewer(static_cast<ViewerControl *>(nullptr))
{
    m_viewer.Create(this);
    InitLumaskinResources();
    m_icon = QIcon(QStringLiteral(":/lumaskin/lumaskin.png"));
    setWindowTitle(ProgramName());
    // Until a skin gives the window its size and the viewer its place.
    resize(800, 500);
    Viewer()->hide();
}

MainDialog::~MainDialog() = default;

QStringList MainDialog::OutputFormatList()
{
    return {QStringLiteral("Bmp"),  QStringLiteral("JPG"), QStringLiteral("PDF"),
            QStringLiteral("WBMP"), QStringLiteral("GIF"), QStringLiteral("PCX"),
            QStringLiteral("TGA"),  QStringLiteral("ICO"), QStringLiteral("JP2"),
            QStringLiteral("JPC"),  QStringLiteral("RAS"), QStringLiteral("PGX"),
            QStringLiteral("PNM"),  QStringLiteral("PNG")};
}

void MainDialog::OnInitDialog(const QString &packageFolder)
{
    // A private folder of our own, so nothing in the user's folder is written or emptied.
    SkinWorkingFolder workingFolder;
    if (workingFolder.IsValid()) {
        ExtractSkinPackage(Archive(),
                           (packageFolder + QLatin1String(kStartupPackage)).toStdString(),
                           workingFolder.Path(), *m_messages);
    }
    SetSkinFile(QString::fromStdString(workingFolder.SkinFilePath()));
    SetSkinFolder(GetFolderOfPath(SkinFile()));
    LoadSkin();
    // Every bitmap is in memory now.
    workingFolder.DeleteWorkingFolder();

    FillFormatComboBox();
    setWindowIcon(m_icon);
    PlaceViewer();
}

void MainDialog::FillFormatComboBox()
{
    if (ComboBoxes().empty())
        return;
    SkinComboBox &formats = *ComboBoxes().front();
    for (const QString &format : OutputFormatList())
        formats.AddItem(format);
    // Shown, not selected: a conversion reads no selection as the first format.
    if (SkinEdit *edit = formats.Edit())
        edit->setText(QStringLiteral("Bmp"));
}

void MainDialog::PlaceViewer()
{
    // Without a place from the skin the viewer stays hidden rather than covering the skin.
    if (!HostRect()) {
        Viewer()->hide();
        return;
    }
    const Rect &rect = *HostRect();
    Viewer()->setGeometry(rect.left, rect.top, std::max(0, rect.Width()),
                          std::max(0, rect.Height()));
    Viewer()->raise();
    Viewer()->show();
}

void MainDialog::OnControlClicked(const std::string &name)
{
    if (name == "BUTTON_EXIT" || name == "BUTTON_CLOSE")
        done(1);
    else if (name == "BUTTON_MIN")
        showMinimized();
}

void MainDialog::paintEvent(QPaintEvent *event)
{
    if (!isMinimized()) {
        SkinDialog::paintEvent(event);
        return;
    }
    // Minimised, the window shows only the program's icon, centred.
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const int iconSize = style()->pixelMetric(QStyle::PM_LargeIconSize);
    const QPoint topLeft((width() - iconSize + 1) / 2, (height() - iconSize + 1) / 2);
    m_icon.paint(&painter, QRect(topLeft, QSize(iconSize, iconSize)));
}

} // namespace lumaskin
