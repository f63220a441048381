// The one program-wide state: which station the next command works on, the
// 24 hourly slots of the surface graph, the sounding levels, the pictures as
// they are drawn, and the flags that say which picture exists, which one is
// on screen and how the last retrieval went. Every command, reader and
// exporter works on these fields directly; they keep the names of the data
// model and are deliberately public.
#pragma once

#include "session/picture.h"
#include "session/records.h"

namespace brisalta {

struct SessionState {
    StationSelection selection;
    GraphSeries graph;
    SoundingProfile sounding;
    DailyExtremes extremes;
    CeilingSimulation ceiling;
    EmaList emaList;
    LinkLists links;
    ViewFlags view;
    PreparedPictures pictures; // what the view paints, prepared by the last command

    // What exists and what is shown.
    int graphAvailable = 0;
    int soundingAvailable = 0;
    int graphShown = 0;
    int emaGraphShown = 0;
    int soundingShown = 0;

    // Retrieval.
    int soundingFetch = 0;
    int graphFromFile = 0;
    int banyeresGraph = 0;
    int downloadFailed = 0;
    int downloadOk = 0;
    int queryPageDone = 0;
    int stationFound = 0;       // the current-conditions page named the station
    int stationFileFetched = 0; // the per-station METAR file came by FTP in this command
    int soundingDialogUsed = 0;

    // Rendering.
    int printing = 0;
    double drawScale = kScreenScale;
    int soundingZoom = 0;
    int tablePrint = 0;
    int tablePortrait = 0;
    int axisStartHour = 0;
    std::string headerLine1;
    std::string headerLine2;
    std::string headerTitle;

    // Export.
    int excelCombined = 0;
    int csvCombined = 0;
    int excelDriverFound = 0;

    // Automatic stations.
    std::string openDataQueryUrl;
    std::string openDataDataUrl;
    int openDataSuccess = 0;
    int openDataKeyExpired = 0;
    int openDataKeyInvalid = 0;

    // Releases the rows of the current sounding, when there are any (rowsAllocated
    // or soundingAvailable set), sets count to 0 and clears simulationRequested.
    // Every reader of a new sounding runs this first.
    void releaseSoundingRows();

    // Allocates `count` zeroed rows for a new sounding and sets SoundingProfile.count.
    // The count is clamped to 0..kMirrorRows. The caller sets rowsAllocated.
    void allocateSoundingRows(int count);
};

} // namespace brisalta
