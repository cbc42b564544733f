#pragma once

class QWidget;

// The modal "About Curvix" box: program icon, logo and version line.
void ShowAboutBox(QWidget* parent);
