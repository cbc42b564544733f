#include "app/frame/FrameEditCommands.h"

#include "kit/AppMessageBox.h"
#include "model/AppSettings.h"
#include "gui/AppText.h"
#include "model/CCurvixDoc.h"
#include "view/widget/CCurvixView.h"
#include "app/frame/CExportPictureDlg.h"
#include "model/DocView.h"
#include "view/geometry/ExportExtent.h"
#include "view/render/GraphRenderer.h"
#include "IdConversions.h"
#include "kit/MessageBoxStyle.h"
#include "view/geometry/ViewMapping.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>

namespace {

FrameEditCommands::FileChooser& TestChooser()
{
    static FrameEditCommands::FileChooser chooser;
    return chooser;
}

QSize ToQSize(PixelSize size)
{
    return {size.width, size.height};
}

}  // namespace

FrameEditCommands::FrameEditCommands(CCurvixDoc& document, const GraphComputation& graphComputation,
                                     AppSettings& appSettings, CCurvixView& graphView, QWidget& ownerWidget)
    : m_doc(document), m_computation(graphComputation), m_settings(appSettings), m_view(graphView), m_owner(ownerWidget)
{
}

void FrameEditCommands::Undo()
{
    if (m_doc.Undo())
        m_doc.UpdateAllViews(nullptr, DocView::HintDocumentRestored);
}

void FrameEditCommands::Redo()
{
    if (m_doc.Redo())
        m_doc.UpdateAllViews(nullptr, DocView::HintDocumentRestored);
}

void FrameEditCommands::UpdateMenuTexts(QAction& undo, QAction& redo) const
{
    const auto text = [](std::optional<StringId> name, StringId named, StringId plain) {
        return name ? AppText(named).arg(AppText(*name)) : AppText(plain);
    };
    undo.setText(text(m_doc.History().UndoName(), StringId::UndoNamed, StringId::Undo));
    redo.setText(text(m_doc.History().RedoName(), StringId::RedoNamed, StringId::Redo));
}

void FrameEditCommands::CopyPicture() const
{
    const ViewMapping mapping = m_view.Mapping();
    const GraphRenderer renderer(m_computation, m_settings, mapping);
    const QSize size = ToQSize(mapping.ClientSize());
    auto* data = new QMimeData;
    data->setImageData(PictureFile::Image(renderer, size, 1.0));
    data->setData(QStringLiteral("image/svg+xml"), PictureFile::Contents(renderer, size, 1.0, PictureFile::Format::Svg));
    QGuiApplication::clipboard()->setMimeData(data);
}

void FrameEditCommands::SetTestFileChooser(FileChooser chooser)
{
    TestChooser() = std::move(chooser);
}

QString FrameEditCommands::ChooseFile(PictureFile::Format format) const
{
    const QString folder = m_settings.ExportFolder.empty() ? QDir::homePath()
                                                         : QString::fromStdString(m_settings.ExportFolder);
    if (TestChooser())
        return TestChooser()(folder, format);
    const QString name = QDir(folder).filePath(AppText(StringId::ExportDefaultName) + PictureFile::Extension(format));
    return QFileDialog::getSaveFileName(&m_owner, AppText(StringId::ExportCaption), name,
                                        AppText(StringAfter(StringId::FirstExportFilter, static_cast<unsigned>(format))));
}

void FrameEditCommands::ExportPicture()
{
    const ViewMapping shown = m_view.Mapping();
    const ViewMapping whole = ExportExtent::Whole(shown);
    CExportPictureDlg dialog(m_settings, shown.ClientSize(), whole.ClientSize(), &m_owner);
    if (dialog.DoModal() != IDOK)
        return;
    const CExportPictureDlg::Choice& choice = dialog.Chosen();
    QString path = ChooseFile(choice.format);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += PictureFile::Extension(choice.format);
    const ViewMapping drawn = choice.whole ? whole : ExportExtent::Visible(shown, choice.size);
    const QByteArray contents = PictureFile::Contents(GraphRenderer(m_computation, m_settings, drawn), ToQSize(choice.size),
                                                      choice.scale, choice.format);
    const std::string failure = PictureFile::Write(path.toStdString(), contents);
    if (!failure.empty()) {
        AppMessageBox::Show(&m_owner, QString::fromStdString(failure), StringId::ErrorCaption, MB_ICONEXCLAMATION);
        return;
    }
    dialog.StoreTo(m_settings);
    m_settings.ExportFolder = QFileInfo(path).absolutePath().toStdString();
}
