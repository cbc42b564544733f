#pragma once

class AppSettings;
class CCurvixDoc;
class CoordSystem;
class QWidget;

// The two commands that edit a coordinate system in the coordinate-system
// sheet. Both change nothing when the user cancels.

// "Edit coordinate system settings": edits the document's coordinate
// system. On OK stores it, marks the document modified and returns true;
// the caller then refreshes the picture when the document refreshes
// automatically.
bool EditCoordSystem(QWidget* parent, CCurvixDoc& document);

// "Edit default coordinate system settings": edits the default of new
// documents, with a button that imports the current document's values.
// Returns true when the default was changed; it reaches the settings store
// when the settings are next saved.
bool EditDefaultCoordSystem(QWidget* parent, AppSettings& settings, const CoordSystem& current);
