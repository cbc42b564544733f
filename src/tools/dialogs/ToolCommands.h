#pragma once

class AppSettings;
class CCurvixDoc;
class QWidget;

// Runs the integral/area tool modally over the document's displayed graphs.
void OpenIntegralTool(CCurvixDoc& doc, AppSettings& settings, QWidget* parent);
// Runs the tangent/normal tool; true when it added a graph to the list.
bool OpenTangentTool(CCurvixDoc& doc, AppSettings& settings, QWidget* parent);
