// The airport catalogue: menu entries, preferences lists and display names,
// compiled in as UTF-8 tables and converted to Windows-1252 on first use.
#include "catalogues/airportcatalogue.h"

#include "session/sessionstate.h"
#include "text/codepage.h"

#include <cstdint>
#include <span>
#include <utility>

namespace brisalta::airports {
namespace {

struct Entry {
    std::uint16_t command;
    const char* code;
    const char* caption;
    const char* preferenceText = nullptr; // nullptr: the preferences list shows the caption
};

struct PreferenceRow {
    const char* code;
    const char* text;
};

struct CountryRow {
    const char* caption;        // submenu
    const char* preferenceName; // preferences country list
    std::span<const Entry> entries;
    int separatorBefore = -1;
    // Spain orders its preferences list on its own; the others follow the menu.
    std::span<const PreferenceRow> ownPreferences = {};
    // The preferences list swaps this position and the next one of the menu.
    int swappedPair = -1;
};

constexpr Entry kSpain[] = {
    {32785, "LECO", "A Coruña - Alvedro"}, {33108, "LEAB", "Albacete - Los Llanos"},
    {33132, "LEAG", "Algeciras"}, {32773, "LEAL", "Alicante - Elche"}, {32774, "LEAM", "Almería"},
    {33138, "LESU", "Andorra - La Seu d'Urgell"}, {32775, "LEAS", "Asturias"},
    {33128, "LEBZ", "Badajoz - Talavera la Real"}, {32776, "LEBL", "Barcelona - El Prat"},
    {32777, "LEBB", "Bilbao"}, {33133, "LEBG", "Burgos - Villafría"}, {32778, "LEBA", "Córdoba"},
    {32779, "GCFV", "Fuerteventura"}, {32780, "LEGE", "Girona - Costa Brava"},
    {33142, "LXGB", "Gibraltar"}, {32781, "LEGR", "Granada"}, {33125, "LEGA", "Granada - Armilla"},
    {32783, "GCHI", "Hierro"}, {33134, "LEHC", "Huesca - Pirineos"}, {32784, "LEIB", "Ibiza"},
    {32782, "LEJR", "Jerez"}, {33136, "GCGM", "La Gomera"}, {32786, "GCRR", "Lanzarote"},
    {32787, "GCLA", "La Palma"}, {32788, "GCLP", "Las Palmas - Gran Canaria"},
    {32789, "LELN", "León - Virgen del camino"}, {33143, "LEDA", "Lérida - Alguaire"},
    {33135, "LELO", "Logroño - Agoncillo"}, {32790, "LEMD", "Madrid - Barajas"},
    {33130, "LECV", "Madrid -  Colmenar"}, {32791, "LEVS", "Madrid - Cuatro Vientos"},
    {33126, "LEGT", "Madrid - Getafe"}, {33129, "LETO", "Madrid - Torrejón"},
    {32794, "LEMH", "Mahón - Menorca"}, {32792, "LEMG", "Málaga"},
    {33137, "LESB", "Mallorca - Son Bonet"}, {32797, "LEPA", "Mallorca - Son Sant Joan"},
    {32793, "GEML", "Melilla"}, {32795, "LEMO", "Morón"}, {33131, "LEMI", "Murcia - Corvera"},
    {33124, "LERI", "Murcia - Alcantarilla"}, {32798, "LEPP", "Pamplona"}, {32799, "LERS", "Reus"},
    {32800, "LERT", "Rota"}, {33127, "LELL", "Sabadell"}, {32801, "LESA", "Salamanca"},
    {32796, "LELC", "San Javier"}, {32802, "LESO", "San Sebastián"}, {32803, "LEXJ", "Santander"},
    {32804, "LEST", "Santiago  - Labacolla"}, {32805, "LEZL", "Sevilla"},
    {32806, "GCXO", "Tenerife Norte"}, {32807, "GCTS", "Tenerife Sur"}, {33139, "LETL", "Teruel"},
    {33140, "LECH", "Castellón - Costa Azahar"}, {32808, "LEVC", "Valencia"},
    {33141, "LEBT", "Valencia - Bétera"}, {32809, "LEVD", "Valladolid"},
    {32810, "LEVX", "Vigo - Peinador"}, {32811, "LEVT", "Vitoria"}, {32812, "LEZG", "Zaragoza"},
    // After a separator: the school station, whose data come from its own file.
    {33122, "BANY", "Banyeres - Alicante"},
};

// Spain's preferences list names the airport first.
constexpr PreferenceRow kSpainPreferences[] = {
    {"LEAB", "Albacete - Los Llanos"}, {"LEAL", "Alicante - Elche"}, {"LEAM", "Almería"},
    {"LECO", "Alvedro - A Coruña"}, {"LEAS", "Asturias - Avilés"}, {"LEMD", "Barajas - Madrid"},
    {"LEIB", "Es Codola - Ibiza"}, {"LEBA", "Córdoba"}, {"LEGE", "Costa Brava - Girona"},
    {"LEVS", "Cuatro Vientos - Madrid"}, {"LESO", "Fuenterrabía - San Sebastián"},
    {"GCFV", "Fuerteventura"}, {"LEGR", "Granada - Jaén"}, {"GCHI", "Hierro"}, {"LEJR", "Jerez"},
    {"LEST", "Labacolla - Santiago"}, {"GCRR", "Lanzarote"}, {"GCLA", "La Palma"},
    {"GCLP", "Las Palmas - Gran Canaria"}, {"LEMH", "Mahón - Menorca"},
    {"LEMG", "Málaga Costa del Sol"}, {"LEVC", "Manises - Valencia"},
    {"LESA", "Matacán - Salamanca"}, {"GEML", "Melilla"}, {"LEMO", "Morón - Sevilla"},
    {"LEPP", "Noáin - Pamplona"}, {"LEXJ", "Parayas - Santander"}, {"LEVX", "Peinador - Vigo"},
    {"LEBL", "Prat - Barcelona"}, {"LERS", "Reus - Tarragona"}, {"GCXO", "Rodeos - Tenerife Norte"},
    {"LERT", "Rota - Cádiz"}, {"LELC", "San Javier - Murcia"}, {"LEZL", "San Pablo - Sevilla"},
    {"LEBB", "Sondica - Bilbao"}, {"LEPA", "Son Sant Joan - Palma de Mallorca"},
    {"GCTS", "Tenerife Sur - Reina Sofía"}, {"LEVD", "Villanubla - Valladolid"},
    {"LELN", "Virgen del Camino - León"}, {"LEVT", "Vitoria - Foronda"}, {"LEZG", "Zaragoza"},
    {"BANY", "Banyeres - Alicante"}, {"LERI", "Alcantarilla - Murcia"},
    {"LEGA", "Armilla - Granada"}, {"LECV", "Colmenar Viejo - Madrid"}, {"LEGT", "Getafe - Madrid"},
    {"LELL", "Sabadell"}, {"LEBZ", "Talavera la Real - Badajoz"}, {"LETO", "Torrejón - Madrid"},
    {"LEMI", "Corvera - Murcia"}, {"LEAG", "Algeciras"}, {"LEBG", "Villafría - Burgos"},
    {"LEHC", "Huesca - Pirineos"}, {"LELO", "Agoncillo - Logroño"}, {"GCGM", "La Gomera"},
    {"LESB", "Son Bonet - Mallorca"}, {"LESU", "La Seu d'Urgell - Andorra"}, {"LETL", "Teruel"},
    {"LEBT", "Bétera - Valencia"}, {"LECH", "Castellón - Costa Azahar"}, {"LXGB", "Gibraltar"},
    {"LEDA", "Lérida - Alguaire"},
};

constexpr Entry kArgentina[] = {
    {32840, "SACO", "Ambrosio Taravella - Córdoba"}, {32839, "SAVT", "Almirante Zar - Trelew"},
    {32858, "SASA", "Salta"}, {32856, "SAZS", "Bariloche"},
    {32833, "SAZM", "Camet - Mar del Plata"}, {32853, "SARI", "Cataratas del Iguazú"},
    {32871, "SANW", "Ceres"}, {32872, "SANO", "Chilecito"},
    {32829, "SAZB", "Comandante Espora - Bahía Blanca"}, {32844, "SAAC", "Concordia - Entre Ríos"},
    {32831, "SADD", "Don Torcuato - Buenos Aires"}, {32838, "SAVE", "Esquel"},
    {32835, "SANC", "Catamarca"}, {32837, "SAVC", "Comodoro Rivadavia"},
    {32842, "SARC", "Corrientes"}, {32874, "SAAG", "Gualeguaychú"}, {32847, "SASJ", "Jujuy"},
    {32854, "SAZN", "Neuquén"}, {32830, "SABE", "Aeroparque Jorge Newbery - Buenos Aires"},
    {32852, "SARP", "Posadas"}, {32832, "SAEZ", "Ezeiza - Buenos Aires"},
    {32843, "SARL", "Paso de los Libres"}, {32873, "SAWP", "Perito Moreno"},
    {32851, "SAME", "Mendoza - El Plumerillo"}, {32846, "SARF", "Formosa"},
    {32836, "SARE", "Resistencia"}, {32862, "SAWG", "Río Gallegos"}, {32866, "SAWE", "Río Grande"},
    {32863, "SAAR", "Rosario"}, {32859, "SANU", "San Juan"}, {32865, "SANE", "Santiago del Estero"},
    {32849, "SAZR", "Santa Rosa"}, {32864, "SAAV", "Sauce Viejo - Santa Fe"},
    {32868, "SANT", "Tucumán"}, {32867, "SAWH", "Ushuaia"}, {32850, "SANL", "La Rioja"},
    {32861, "SAOR", "Villa Reynolds"},
};

constexpr Entry kBolivia[] = {
    {32946, "SLCA", "Camiri"}, {32949, "SLCN", "Charaña"}, {32947, "SLCO", "Cobija"},
    {32948, "SLCB", "Cochabamba"}, {32953, "SLLP", "La Paz - El Alto"},
    {32954, "SLMG", "Magdalena"}, {32955, "SLOR", "Oruro"}, {32956, "SLPO", "Potosí"},
    {32957, "SLPS", "Puerto Suárez"}, {32961, "SLRY", "Reyes"}, {32959, "SLRI", "Riberalta"},
    {32958, "SLRB", "Roboré"}, {32960, "SLRQ", "Rurrenabaque"}, {32952, "SLJO", "San Joaquín"},
    {32951, "SLJE", "San José de Chiquitos"}, {32950, "SLET", "Santa Cruz - El Trompillo"},
};

constexpr Entry kChile[] = {
    {32881, "SCFA", "Antofagasta"}, {32882, "SCAR", "Arica"}, {32883, "SCIE", "Concepción"},
    {32884, "SCHA", "Copiapó"}, {32885, "SCDA", "Iquique"}, {33148, "SCAT", "Desierto de Atacama"},
    {33146, "SCCF", "Calama - El Loa"}, {32886, "SCIP", "Isla de Pascua"},
    {32890, "SCSE", "La Serena"}, {32887, "SCEL", "Pudahuel - Santiago"},
    {32889, "SCTE", "Puerto Montt"}, {32888, "SCCI", "Punta Arenas"},
};

constexpr Entry kColombia[] = {
    {32891, "SKBQ", "Barranquilla"}, {32892, "SKBO", "Bogotá - El Dorado"},
    {32893, "SKBG", "Bucamaranga"}, {32894, "SKCL", "Cali"}, {32895, "SKCG", "Cartagena"},
    {32896, "SKCC", "Cucutal"}, {32897, "SKLT", "Leticia"},
    {32898, "SKMD", "Medellín - Olaya Herrera"}, {32899, "SKPE", "Pereira"},
    {32900, "SKRG", "Rionegro - José María Córdova"}, {32901, "SKSM", "Santa Marta"},
    {32902, "SKSP", "San Andrés"},
};

constexpr Entry kCuba[] = {
    {32932, "MUBA", "Baracoa"}, {32933, "MUBY", "Bayamo"}, {32934, "MUCM", "Camagüey"},
    {32935, "MUCL", "Cayo Largo del Sur"}, {32943, "MUCA", "Ciego de Ávila"},
    {32936, "MUGM", "Guantánamo"}, {32937, "MUHA", "Habana - José Martí"},
    {32938, "MUHG", "Holguín"}, {32944, "MUVT", "Las Tunas"}, {32939, "MUMO", "Moa"},
    {32940, "MUMZ", "Manzanillo"}, {32941, "MUNG", "Nueva Gerona"},
    {32945, "MUCU", "Santiago de Cuba"}, {32942, "MUVR", "Varadero - Matanzas"},
};

constexpr Entry kEcuador[] = {
    {32903, "SEGU", "Guayaquil"}, {32904, "SEMT", "Manta"}, {32905, "SELT", "Latacunga"},
    {32906, "SEQU", "Quito"},
};

// MMCM appears twice: under its own town and, by an old slip, as Santa Rosalía.
constexpr Entry kMexico[] = {
    {32962, "MMAA", "Acapulco"}, {32964, "MMAS", "Aguascalientes"},
    {32965, "MMBT", "Bahías de Huatulco"}, {32971, "MMCP", "Campeche"}, {33016, "MMUN", "Cancún"},
    {32969, "MMCM", "Chetumal"}, {32973, "MMCU", "Chihuahua"}, {32967, "MMCE", "Ciudad del Carmen"},
    {32994, "MMMX", "Ciudad de México"}, {32972, "MMCS", "Ciudad Juárez"},
    {32974, "MMCV", "Ciudad Victoria"}, {32981, "MMIA", "Colima"}, {32975, "MMCZ", "Cozumel"},
    {32966, "MMCB", "Cuernavaca"}, {32968, "MMCL", "Culiacán"}, {32985, "MMLO", "León - Del Bajío"},
    {32978, "MMGL", "Guadalajara"}, {32976, "MMDO", "Durango"}, {32979, "MMGM", "Guaymas"},
    {32980, "MMHO", "Hermosillo"}, {33020, "MMZH", "Ixtapa - Zihuatanejo"},
    {32983, "MMIT", "Ixtepec"}, {32986, "MMLP", "La Paz"}, {32987, "MMLT", "Loreto"},
    {32984, "MMLM", "Los Mochis"}, {33021, "MMZO", "Manzanillo"}, {32988, "MMMA", "Matamoros"},
    {32996, "MMMZ", "Mazatlán"}, {32989, "MMMD", "Mérida"}, {32990, "MMML", "Mexicali"},
    {32992, "MMMT", "Minatitlán"}, {32993, "MMMV", "Monclova"},
    {32963, "MMAN", "Monterrey - Del Norte"}, {32995, "MMMY", "Monterrey - Mariano Escobedo"},
    {32991, "MMMM", "Morelia"}, {32997, "MMNL", "Nuevo Laredo"}, {32998, "MMOX", "Oaxaca"},
    {33001, "MMPG", "Piedras Negras"}, {32999, "MMPA", "Poza Rica"}, {33000, "MMPB", "Puebla"},
    {33004, "MMPS", "Puerto Escondido"}, {33003, "MMPR", "Puerto Vallarta"},
    {33005, "MMQT", "Querétaro"}, {33006, "MMRX", "Reynosa"}, {32982, "MMIO", "Saltillo"},
    {33007, "MMSD", "San José del Cabo"}, {33008, "MMSP", "San Luis Potosí"},
    {32970, "MMCM", "Santa Rosalía"}, {33013, "MMTM", "Tampico"}, {33015, "MMTP", "Tapachula"},
    {32977, "MMEP", "Tepic"}, {33012, "MMTJ", "Tijuana"}, {33014, "MMTO", "Toluca"},
    {33009, "MMTC", "Torreón"}, {33011, "MMTG", "Tuxtla Gutiérrez"}, {33002, "MMPN", "Uruapan"},
    {33018, "MMVR", "Veracruz"}, {33017, "MMVA", "Villahermosa"}, {33019, "MMZC", "Zacatecas"},
};

constexpr Entry kParaguay[] = {
    {32870, "SGES", "Guaraní - Ciudad del Este"}, {32869, "SGAS", "Silvio Pettirossi - Asunción"},
};

constexpr Entry kPeru[] = {
    {32912, "SPHY", "Andahuaylas"}, {32923, "SPQU", "Arequipa"}, {32911, "SPHO", "Ayacucho"},
    {32917, "SPJR", "Cajamarca"}, {32921, "SPPY", "Chachapoyas"}, {32910, "SPHI", "Chiclayo"},
    {32908, "SPEO", "Chimbote"}, {32931, "SPZO", "Cuzco"}, {32920, "SPNC", "Huánuco"},
    {32922, "SPQT", "Iquitos"}, {32915, "SPJI", "Juanjuí"}, {32916, "SPJL", "Juliaca"},
    {32913, "SPIM", "Lima - Jorge Chávez"}, {32925, "SPSO", "Pisco"}, {32929, "SPUR", "Piura"},
    {32907, "SPCL", "Pucallpa"}, {32928, "SPTU", "Puerto Maldonado"}, {32914, "SPJA", "Rioja"},
    {32927, "SPTN", "Tacna"}, {32930, "SPYL", "Talara"}, {32926, "SPST", "Tarapoto"},
    {32909, "SPGM", "Tingo María"}, {32924, "SPRU", "Trujillo"}, {32918, "SPME", "Tumbes"},
    {32919, "SPMS", "Yurimaguas"},
};

constexpr Entry kDominicanRepublic[] = {
    {33151, "MDAB", "Arroyo Barril", "Arroyo Barril - Rep. Dominicana"},
    {33152, "MDBH", "Barahona", "Barahona - Rep. Dominicana"},
    {33153, "MDST", "Cibao - Santiago", "Cibao - Rep. Dominicana"},
    {33154, "MDLR", "La Romana", "La Romana - Rep. Dominicana"},
    {33155, "MDPC", "Punta Cana", "Punta Cana - Rep. Dominicana"},
    {33156, "MDPP", "Puerto Plata", "Puerto Plata - Rep. Dominicana"},
    {33157, "MDSD", "Sto. Domingo / De las Américas", "Internacional Américas - Rep. Dominicana"},
};

constexpr Entry kUruguay[] = {
    {32875, "SUAG", "Artigas"}, {32876, "SULS", "Laguna del Sauce - Maldonado"},
    {32877, "SUMU", "Montevideo - Carrasco"}, {32878, "SUDU", "Santa Bernardina - Durazno"},
    {32879, "SUAA", "Ángel S. Adami - Montevideo"},
};

constexpr Entry kVenezuela[] = {
    {33022, "SVAC", "Acarigua"}, {33023, "SVBC", "Barcelona"}, {33024, "SVBI", "Barinas"},
    {33025, "SVBM", "Barquisimeto"}, {33029, "SVFM", "Caracas-La Carlota"},
    {33034, "SVMI", "Caracas - Maiquetía"}, {33027, "SVCB", "Ciudad Bolívar"},
    {33028, "SVCR", "Coro"}, {33030, "SVCU", "Cumaná"}, {33032, "SVGU", "Guanare"},
    {33031, "SVGI", "Güiria"}, {33033, "SVHG", "Higuerote"}, {33035, "SVMC", "Maracaibo"},
    {33026, "SVBS", "Maracay"}, {33046, "SVMG", "Margarita"}, {33038, "SVMT", "Maturín"},
    {33037, "SVMN", "Mene Grande"}, {33036, "SVMD", "Mérida"}, {33039, "SVPA", "Puerto Ayacucho"},
    {33040, "SVPC", "Puerto Cabello"}, {33041, "SVSA", "San Antonio del Táchira"},
    {33042, "SVSO", "Santo Domingo del Táchira"}, {33043, "SVSR", "San Fernando de Apure"},
    {33044, "SVVA", "Valencia"}, {33045, "SVVL", "Valera"},
};

const CountryRow kCountries[] = {
    {"España", "ESPAÑA", kSpain, 61, kSpainPreferences},
    {"Argentina", "ARGENTINA", kArgentina},
    {"Bolivia", "BOLIVIA", kBolivia},
    // Chile's preferences list puts Desierto de Atacama before Iquique.
    {"Chile", "CHILE", kChile, -1, {}, 4},
    {"Colombia", "COLOMBIA", kColombia},
    {"Cuba", "CUBA", kCuba},
    {"Ecuador", "ECUADOR", kEcuador},
    {"México", "MEXICO", kMexico},
    {"Paraguay", "PARAGUAY", kParaguay},
    {"Perú", "PERU", kPeru},
    {"Rep. Dominicana", "REP. DOMINICANA", kDominicanRepublic},
    {"Uruguay", "URUGUAY", kUruguay},
    {"Venezuela", "VENEZUELA", kVenezuela},
};

// Graph titles that replace the station name of the page; first match wins.
constexpr PreferenceRow kDisplayNames[] = {
    {"LEAL", "Aeropuerto de Alicante - Elche"}, {"LEAM", "Aeropuerto de El Alquián - Almería"},
    {"LEAB", "Aeropuerto de Los Llanos - Albacete"}, {"LEAG", "Helipuerto de Algeciras"},
    {"LESU", "Aeropuerto de Andorra - La Seu d'Urgell"},
    {"LEAS", "Aeropuerto del Avilés - Asturias"}, {"LEBL", "Aeropuerto de El Prat - Barcelona"},
    {"LEBB", "Aeropuerto de Sondica - Bilbao"}, {"LEBG", "Aeropuerto de Villafría - Burgos"},
    {"LEBA", "Aeropuerto de Córdoba"}, {"GCFV", "Aeropuerto de El Matorral - Fuerteventura"},
    {"LEGE", "Costa Brava - Girona"}, {"LEGR", "Aeropuerto Federico García Lorca - Granada"},
    {"LEJR", "Aeropuerto de La Parra - Jerez de la Frontera"},
    {"GCHI", "Aeropuerto de Los Cangrejos - El Hierro"},
    {"LEHC", "Aeropuerto de Huesca - Pirineos"}, {"LEIB", "Aeropuerto de Es Codolar - Ibiza"},
    {"LECO", "Aeropuerto de Alvedro - A Coruña"},
    {"GCGM", "Aeropuerto de Playa Santiago - La Gomera"},
    {"GCRR", "Aeropuerto de Guacimeta - Lanzarote"}, {"GCLA", "Aeropuerto de Mazo - La Palma"},
    {"GCLP", "Aeropuerto de Gando - Gran Canaria"},
    {"LELN", "Aeropuerto de La Virgen del Camino - León"},
    {"LELO", "Aeropuerto de Agoncillo - Logroño"}, {"LEMD", "Aeropuerto de Barajas - Madrid"},
    {"LEVS", "Cuatro Vientos - Madrid"}, {"LEMG", "Aeropuerto de Málaga - Costa del Sol"},
    {"GEML", "Melilla"}, {"LEMH", "Aeropuerto de Mahón - Menorca"},
    {"LEMI", "Aeropuerto de Corvera - Región de Murcia"},
    {"LEMO", "Morón de la Frontera - Sevilla"}, {"LELC", "Aeropuerto de San Javier - Murcia"},
    {"LESB", "Aeródromo de Son Bonet - Mallorca"},
    {"LEPA", "Aeropuerto de Son Sant Joan - Palma de Mallorca"},
    {"LEPP", "Aeropuerto de Noáin - Pamplona"}, {"LERS", "Aeropuerto de Reus - Tarragona"},
    {"LERT", "Base de Rota - Cádiz"}, {"LESA", "Aeropuerto de Matacán - Salamanca"},
    {"LESO", "Aeropuerto de Fuenterrabía - San Sebastián"},
    {"LEXJ", "Aeropuerto de Parayas - Santander"},
    {"LEST", "Aeropuerto de Labacolla - Santiago de Compostela"},
    {"LEZL", "Aeropuerto de San Pablo - Sevilla"},
    {"GCXO", "Aeropuerto de Los Rodeos - Tenerife Norte"},
    {"GCTS", "Aeropuerto Reina Sofía - Tenerife Sur"}, {"LETL", "Aeropuerto de Caudé - Teruel"},
    {"LECH", "Aeropuerto de Costa Azahar - Castellón"},
    {"LEVC", "Aeropuerto de Manises - Valencia"}, {"LEVD", "Aeropuerto de Villanubla - Valladolid"},
    {"LEVX", "Aeropuerto de Peinador - Vigo"}, {"LEVT", "Aeropuerto de Foronda - Vitoria"},
    {"LEZG", "Aeropuerto de Zaragoza"},
    {"BANY", "Estación meteorológica escolar de Banyeres de Mariola (Alicante)"},
    {"LEBZ", "Aeropuerto de Talavera la Real - Badajoz"},
    {"LEBT", "Helipuerto de Bétera - Valencia"}, {"LXGB", "Aeropuerto de Gibraltar"},
    {"LEDA", "Aeropuerto de Alguaire - Lérida"}, {"SCCF", "Aeródromo de El Loa - Calama"},
    {"SCAT", "Desierto de Atacama"}, {"MDAB", "Arroyo Barril, República Dominicana"},
    {"MDBH", "Aeropuerto María Montez - Barahona"},
    {"MDLR", "Aeropuerto de Casa de Campo - La Romana"},
    {"MDPC", "Aeropuerto de Punta Cana - La Altagracia"},
    {"MDPP", "Aeropuerto Gregorio Luperón - Puerto Plata"},
    {"MDST", "Aeropuerto del Cibao - Santiago de los Caballeros"},
    {"MDSD", "Aeropuerto de Las Américas - Santo Domingo"},
};

struct CodeText {
    std::string code;
    std::string text;
};

// The tables in Windows-1252, built once.
struct Catalogue {
    std::vector<CountryMenu> menus;
    std::vector<std::string> countryNames;
    std::vector<std::vector<CodeText>> preferences; // per country, in list order
    std::vector<CodeText> displayNames;
};

Catalogue build() {
    Catalogue c;
    for (const CountryRow& country : kCountries) {
        CountryMenu menu;
        menu.caption = text::cp1252(country.caption);
        menu.separatorBefore = country.separatorBefore;
        std::vector<CodeText> preferences;
        for (const Entry& e : country.entries) {
            menu.entries.push_back({e.command, e.code, text::cp1252(e.caption)});
            preferences.push_back(
                {e.code, text::cp1252(e.preferenceText != nullptr ? e.preferenceText : e.caption)});
        }
        if (!country.ownPreferences.empty()) {
            preferences.clear();
            for (const PreferenceRow& row : country.ownPreferences) {
                preferences.push_back({row.code, text::cp1252(row.text)});
            }
        }
        if (country.swappedPair >= 0) {
            std::swap(preferences[country.swappedPair], preferences[country.swappedPair + 1]);
        }
        c.menus.push_back(std::move(menu));
        c.countryNames.push_back(text::cp1252(country.preferenceName));
        c.preferences.push_back(std::move(preferences));
    }
    for (const PreferenceRow& row : kDisplayNames) {
        c.displayNames.push_back({row.code, text::cp1252(row.text)});
    }
    return c;
}

const Catalogue& catalogue() {
    static const Catalogue c = build();
    return c;
}

const AirportMenuEntry* entryOf(int command) {
    for (const CountryMenu& menu : catalogue().menus) {
        for (const AirportMenuEntry& entry : menu.entries) {
            if (entry.command == command) {
                return &entry;
            }
        }
    }
    return nullptr;
}

const std::vector<CodeText>* preferencesOf(int country) {
    const auto& all = catalogue().preferences;
    if (country < 0 || country >= static_cast<int>(all.size())) {
        return nullptr;
    }
    return &all[static_cast<std::size_t>(country)];
}

} // namespace

const std::vector<CountryMenu>& menus() { return catalogue().menus; }

bool pickAirport(SessionState& session, int command) {
    const AirportMenuEntry* entry = entryOf(command);
    if (entry == nullptr) {
        return false;
    }
    session.selection.icao = entry->code;
    return true;
}

bool isAirportChecked(const SessionState& session, int command) {
    const AirportMenuEntry* entry = entryOf(command);
    return entry != nullptr && session.selection.icao.view() == entry->code;
}

const std::vector<std::string>& countryNames() { return catalogue().countryNames; }

std::optional<int> countryPositionOf(const std::string& name) {
    const auto& names = countryNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

std::vector<std::string> airportsOf(int country) {
    std::vector<std::string> texts;
    if (const auto* list = preferencesOf(country)) {
        for (const CodeText& row : *list) {
            texts.push_back(row.text);
        }
    }
    return texts;
}

std::optional<std::string> airportCodeAt(int country, int position) {
    const auto* list = preferencesOf(country);
    if (list == nullptr || position < 0 || position >= static_cast<int>(list->size())) {
        return std::nullopt;
    }
    return (*list)[static_cast<std::size_t>(position)].code;
}

std::optional<int> airportPositionOf(int country, const std::string& code) {
    if (const auto* list = preferencesOf(country)) {
        for (std::size_t i = 0; i < list->size(); ++i) {
            if ((*list)[i].code == code) {
                return static_cast<int>(i);
            }
        }
    }
    return std::nullopt;
}

std::optional<std::string> displayNameOf(const std::string& code) {
    for (const CodeText& row : catalogue().displayNames) {
        if (row.code == code) {
            return row.text;
        }
    }
    return std::nullopt;
}

} // namespace brisalta::airports
