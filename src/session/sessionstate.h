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

// Where the data on screen came from: the service that answered, the address
// asked, and how many reports or levels it gave.
struct DataSource {
    std::string name;    // "Aviation Weather Center", "Iowa Environmental Mesonet", ... (Windows-1252)
    std::string address; // the address that answered (no key in it)
    int reports = 0;     // reports (graph) or levels (sounding) the answer gave
};

// What is on screen and how it is drawn.
struct ViewState {
    bool graphAvailable = false;    // a surface graph has been built or loaded since start
    bool soundingAvailable = false; // a sounding has been read or loaded
    bool graphShown = false;        // the airport graph (METAR or Banyeres source) is on screen
    bool emaGraphShown = false;     // an automatic station's graph is on screen
    bool soundingShown = false;     // the sounding diagram is on screen
    // "Techo por horas" is on screen: set only while the three flags above are
    // clear; showing the graph or the sounding again takes it off.
    bool ceilingHoursShown = false;
    bool graphFromFile = false;     // the graph came from a document: its hours are local already
    bool banyeresGraph = false;     // the graph is the Banyeres station's (no sky report)
    bool soundingZoom = false;      // the diagram shows the lowest 6000 m only
    // Whose data the surface graph holds, fixed when the data are read: the
    // code of a live airport graph or "BANY" for the Banyeres station (the
    // title comes from the catalogue; empty for a document or an automatic
    // station) and whether they are an automatic station's. A later change of
    // the selection never renames the picture.
    std::string graphStation;
    bool graphIsAutomatic = false;
    double drawScale = kScreenScale; // scale of the drawings on screen

    // Set exactly while a table dialog is open: the printed page then shows
    // the hourly table in place of the graph (tablePrint), or the sounding
    // table on a portrait page (tablePortrait).
    bool tablePrint = false;
    bool tablePortrait = false;

    // Copies of what the last preparation of the graph worked out, for the
    // commands that read them (statistics, tables, printing, favourites).
    int axisStartHour = 0;
    std::string headerLine1;
    std::string headerLine2;
    std::string headerTitle;

    DataSource graphSource;    // where the graph's data came from (empty: not known)
    DataSource soundingSource; // where the sounding came from (empty: not known)

    ViewFlags commands;        // the commands the picture on screen makes available
    PreparedPictures pictures; // what the view paints, prepared by the last command
};

// How the retrieval of the current command went; its later steps read it.
struct RetrievalStatus {
    bool downloadFailed = false;     // the last download failed: the command stops
    bool downloadOk = false;         // false only after the server said "404 Not Found"
    bool queryPageDone = false;      // the query page gave a complete report
    bool stationFileFetched = false; // the per-station METAR file came by FTP in this command
    bool soundingDialogUsed = false; // the date of this sounding came from the dialog
    bool cancelled = false;          // the user stopped a transfer of this command

    // The two automatic-station requests and how the first one was answered.
    std::string openDataQueryUrl;
    std::string openDataDataUrl;
    bool openDataSuccess = false;
    bool openDataKeyExpired = false;
    bool openDataKeyInvalid = false;
};

struct SessionState {
    StationSelection selection; // the stations chosen (partly kept in "meteo.ini")
    GraphSeries graph;
    SoundingProfile sounding;
    DailyExtremes extremes;
    CeilingSimulation ceiling;
    EmaList emaList;
    LinkLists links;
    ViewState view;
    RetrievalStatus retrieval;

    // Releases the rows of the current sounding, when there are any (rowsAllocated
    // or soundingAvailable set), sets count to 0 and clears simulationRequested;
    // the diagram title goes with them. Every reader of a new sounding runs this first.
    void releaseSoundingRows();

    // Allocates `count` zeroed rows for a new sounding and sets SoundingProfile.count
    // (clearing the diagram title). The count is clamped to 0..kMirrorRows. The
    // caller sets rowsAllocated.
    void allocateSoundingRows(int count);
};

} // namespace brisalta
