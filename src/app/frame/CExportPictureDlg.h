#pragma once

#include "view/geometry/GeometryTypes.h"
#include "view/render/PictureFile.h"

#include <QDialog>

#include <functional>

class AppSettings;
class QButtonGroup;
class QComboBox;
class QRadioButton;
class QSpinBox;

// "Export Picture": the file format, the size (the view's, or width and
// height in pixels, at a scale of 1x, 2x or 3x) and the extent (what the
// view shows, or the whole picture at the current zoom). Starts from the
// settings' last choices and refuses, with a message, a picture of more than
// 16384 pixels a side.
class CExportPictureDlg : public QDialog {
public:
    struct Choice {
        PictureFile::Format format = PictureFile::Format::Png;
        bool viewSize = true;
        PixelSize size;  // the client drawn, in window pixels
        int scale = 1;
        bool whole = false;
    };

    // viewClient is the view's client size, wholeClient the client that
    // shows the whole picture.
    CExportPictureDlg(const AppSettings& settings, PixelSize viewClient, PixelSize wholeClient, QWidget* parent);

    // IDOK or IDCANCEL.
    int DoModal();
    // What the user chose; valid after IDOK.
    const Choice& Chosen() const { return m_chosen; }
    // The choices kept for the next export.
    void StoreTo(AppSettings& settings) const;

    // A test's stand-in for the user: DoModal hands it the shown dialog.
    using TestDriver = std::function<void(CExportPictureDlg&)>;
    static void SetTestDriver(TestDriver driver);

    void SelectFormat(PictureFile::Format format);
    void SetCustomSize(int width, int height);
    void SetScale(int scale);
    void SetWhole(bool whole);
    // OK: checks the size and closes when it can be exported.
    void OnOK();

private:
    void CreateControls(const AppSettings& settings);
    void EnableControls();
    Choice Read() const;

    PixelSize m_viewClient;
    PixelSize m_wholeClient;
    QButtonGroup* m_formats = nullptr;
    QRadioButton* m_viewSizeButton = nullptr;
    QRadioButton* m_customSizeButton = nullptr;
    QSpinBox* m_widthBox = nullptr;
    QSpinBox* m_heightBox = nullptr;
    QComboBox* m_scaleBox = nullptr;
    QRadioButton* m_visibleButton = nullptr;
    QRadioButton* m_wholeButton = nullptr;
    Choice m_chosen;
};
