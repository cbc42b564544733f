#pragma once

class AppSettings;
class QWidget;

// "Curvix application settings": the View page filled from the settings;
// on OK its seven values are stored back and true is returned.
bool EditApplicationSettings(QWidget* parent, AppSettings& settings);
