#pragma once

class Archive;
class CCurvixDoc;
class ConversionPrompt;
class CoordSystem;

// The .cvx file: version 2.0 files are written and read; files of the
// previous version, which lack the signature, are read whole and then
// taken over if the user agrees to convert them.
class DocumentFormat {
public:
    static void Write(CCurvixDoc& doc, Archive& archive);
    // Reads into an emptied document. Throws DocFileException when the file
    // is damaged, of an unknown version, when a graph finds no memory, or
    // when the user declines the conversion (prompt null counts as
    // declining); the document then holds part of the file and is to be
    // thrown away.
    static void Read(CCurvixDoc& doc, Archive& archive, ConversionPrompt* prompt,
                    const CoordSystem& defaultCoordSystem);

private:
    static void ReadVersion2(CCurvixDoc& doc, Archive& archive);
    static void ReadPreviousVersion(CCurvixDoc& doc, Archive& archive, const CoordSystem& defaultCoordSystem);
};
