// Page and listing builders for the sounding tests.
#include "soundingpages.h"

#include "text/format.h"

namespace brisalta::test {

std::string textListRow(double pressure, int height, double temperature, double dewPoint,
                        int humidity, int direction, int knots) {
    return text::format("%7.1f%7d%7.1f%7.1f%7d%7.2f%7d%7d%7.1f%7.1f%7.1f", pressure, height,
                        temperature, dewPoint, humidity, 5.0, direction, knots, 290.0, 310.0,
                        291.0);
}

std::string textListPage(const std::vector<std::string>& tableLines, const std::string& station) {
    std::string page = "<HTML>\n"
                       "<TITLE>University of Wyoming - Radiosonde Data</TITLE>\n"
                       "<LINK REL=\"StyleSheet\" HREF=\"/resources/select.css\" TYPE=\"text/css\">\n"
                       "<BODY BGCOLOR=\"white\">\n"
                       "<H2>" +
                       station +
                       " Observations at 12Z 07 Dec 2020</H2>\n"
                       "<PRE>\n"
                       "-----------------------------------------------------------------------------\n"
                       "   PRES   HGHT   TEMP   DWPT   RELH   MIXR   DRCT   SKNT   THTA   THTE   THTV\n"
                       "    hPa     m      C      C      %    g/kg    deg   knot     K      K      K \n"
                       "-----------------------------------------------------------------------------\n";
    for (const std::string& line : tableLines) {
        page += line + "\n";
    }
    page += "</PRE><H3>Station information and sounding indices</H3><PRE>\n"
            "                         Station identifier: LEMI\n"
            "                             Station number: 8430\n"
            "                           Observation time: 201207/1200\n"
            "</PRE>\n</BODY></HTML>\n";
    return page;
}

std::vector<std::string> textListRows(int count, double firstPressure) {
    std::vector<std::string> rows;
    for (int i = 0; i < count; ++i) {
        rows.push_back(textListRow(firstPressure - 25.0 * i, 60 + 250 * i, 20.0 - 1.5 * i,
                                   10.0 - 1.5 * i, 50, (10 * i) % 360, 5 + i));
    }
    return rows;
}

std::vector<SecondServiceLevel> secondServiceLevels(int count) {
    std::vector<SecondServiceLevel> levels;
    for (int k = count - 1; k >= 0; --k) {
        levels.push_back({100.0 + 100.0 * k, 1000.0 - 2.5 * k, 20.0 - 0.5 * k, 20.5 - 0.5 * k,
                          10.0 - 0.5 * k, 50.0, static_cast<double>(k % 360),
                          static_cast<double>(k)});
    }
    return levels;
}

std::string secondServicePage(const std::vector<SecondServiceLevel>& levelsTopDown,
                              const std::string& before) {
    std::string page = "<html><head><title>Sondage</title></head><body>\n" + before +
                       "<div class=\"titre\">Sondage observ&eacute;</div>\n"
                       "<center><table>\n";
    std::string headings = "<tr class=\"entete\">";
    for (const char* h : {"Altitude (m)", "Pression (hPa)", "Temperature", "Temp. virtuelle",
                          "Point de rosee", "Humidite", "Direction du vent",
                          "Vitesse du vent (km/h)"}) {
        headings += std::string("<th class=\"entete\" align=\"center\" valign=\"middle\">") + h + "</th>";
    }
    page += headings + "</tr>";
    for (const SecondServiceLevel& l : levelsTopDown) {
        page += text::format("<tr><td>%.0f</td><td>%.1f</td><td>%.1f</td><td>%.1f</td><td>%.1f</td>"
                             "<td>%.0f</td><td>%.0f</td><td>%.0f</td></tr>",
                             l[0], l[1], l[2], l[3], l[4], l[5], l[6], l[7]);
    }
    page += "</table>\n</center></body></html>\n";
    return page;
}

} // namespace brisalta::test
