#include "storage/AafFile.h"

#include "storage/AafChunks.h"

#include "FakePlaceDirectory.h"
#include "StorageTestFiles.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

using namespace orvel;
using namespace storagetest;

namespace {

struct ReadCase {
    const char *name;
    const char *aaf;
    bool imported;
    const char *horoscope;  // name
    const char *birth;      // local, "DD.MM.YYYY HH:MM:SS"
    const char *city;
    const char *country;
    const char *latitude;
    const char *longitude;
    double deltaGmt;
    const char *reason;     // a regular expression the reason must match
};

std::ostream &operator<<(std::ostream &os, const ReadCase &c) { return os << c.name; }

class AafReadTest : public testing::TestWithParam<ReadCase> {};

const ReadCase ReadCases[] = {
    {"DefinitionExample", "#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel/Pfalz,D\n#B93:*,49n05,8e11,1he,0\n#ZNAM:CET\n",
     true, "Tobias Ferber", "27.09.1970 11:04:00", "Kandel/Pfalz", "Deutschland", "49\u00B005'00''N",
     "8\u00B011'00''E", 1.0, "^$"},
    {"LocalMeanTimeWithJulianDay",
     "#A93:Cezanne,Paul,m,19.1.1839,1:00,Aix-En-Provence,F\r\n#B93:2392758.526528,43n31,5e27,*,L\r\n#ZNAM:LMT\r\n"
     "#COM:Painter,\r\ncontinued line\r\n#SRC:1*,Register\r\n",
     true, "Paul Cezanne", "19.01.1839 01:00:00", "Aix-En-Provence", "France", "43\u00B031'00''N",
     "5\u00B027'00''E", 5.45 / 15, "^$"},
    {"ZoneAndDaylightSaving", "#A93:Sommer,Eva,f,1.6.1983,3:10:30,Freiburg,D\n#B93:2445486.548958,48n00,7e51,1he00,1\n",
     true, "Eva Sommer", "01.06.1983 03:10:30", "Freiburg", "Deutschland", "48\u00B000'00''N", "7\u00B051'00''E",
     2.0, "^$"},
    {"SecondsAndWestZone", "#A93:Doe,Jane,f,4.7.1976,9:30,Los Angeles,US\n#B93:*,34n03:00,118w15:00,8hw00,1\n",
     true, "Jane Doe", "04.07.1976 09:30:00", "Los Angeles", "USA - California", "34\u00B003'00''N",
     "118\u00B015'00''W", -7.0, "^$"},
    {"ChunkIdsInAnyCaseAndSpacing", "#a93:Muster,Max,m,1.7.1980,12:00,Berlin,D\n# b93 :*,52n31,13e24,1he00,1\n", true,
     "Max Muster", "01.07.1980 12:00:00", "Berlin", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E", 2.0, "^$"},
    {"FieldsTrimmed", "#A93: Muster , Max , m , 1.7.1980 , 12:00 , Berlin , D \n#B93: * , 52n31 , 13e24 , 1he00 , 1 \n",
     true, "Max Muster", "01.07.1980 12:00:00", "Berlin", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E",
     2.0, "^$"},
    {"EventWithoutFirstName", "#A93:Wall opening,*,e,9.11.1989,18:57,Berlin,D\n#B93:*,52n31,13e24,1he00,0\n", true,
     "Wall opening", "09.11.1989 18:57:00", "Berlin", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E", 1.0,
     "^$"},
    {"WithoutB93FromDatabase", "#A93:Muster,Max,m,1.7.1980,12:00,Berlin,D\n", true, "Max Muster",
     "01.07.1980 12:00:00", "Berlin", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E", 2.0, "^$"},
    {"ZoneMissingFromDatabase", "#A93:Muster,Max,m,1.1.1980,12:00,Berlin,D\n#B93:*,52n30,13e20,*,*\n", true,
     "Max Muster", "01.01.1980 12:00:00", "Berlin", "Deutschland", "52\u00B030'00''N", "13\u00B020'00''E", 1.0, "^$"},
    {"CityNotInDatabase", "#A93:Muster,Max,m,1.1.1980,12:00,Kleinkleckersdorf,D\n", true, "Max Muster",
     "01.01.1980 12:00:00", "Kleinkleckersdorf", "Deutschland", "", "", 0.0, "\\(Other\\).*no time zone"},
    {"CityWithRegion", "#A93:Muster,Max,m,1.1.1980,12:00,Freiburg/Breisgau,D\n", true, "Max Muster",
     "01.01.1980 12:00:00", "Freiburg/Breisgau", "Deutschland", "48\u00B000'00''N", "7\u00B051'00''E", 1.0, "^$"},
    {"GreatBritainByCoordinates", "#A93:Smith,John,m,1.1.1950,10:00,Leith,GB\n#B93:*,55n58,3w10,0hw00,0\n", true,
     "John Smith", "01.01.1950 10:00:00", "Leith", "Scotland", "55\u00B058'00''N", "3\u00B010'00''W", 0.0, "^$"},
    {"GreatBritainByCity", "#A93:Jones,Ann,f,1.1.1950,10:00,Cardiff,GB\n", true, "Ann Jones", "01.01.1950 10:00:00",
     "Cardiff", "Wales", "51\u00B029'00''N", "3\u00B011'00''W", 0.0, "^$"},
    {"UnitedStatesByCoordinates", "#A93:Doe,John,m,1.1.1950,10:00,Brooklyn,USA\n#B93:*,40n41,73w57,5hw00,0\n", true,
     "John Doe", "01.01.1950 10:00:00", "Brooklyn", "USA - New York", "40\u00B041'00''N", "73\u00B057'00''W", -5.0,
     "^$"},
    {"SaintLucia", "#A93:Walcott,Derek,m,23.1.1930,12:00,Castries,WL\n#B93:*,14n00,61w00,4hw00,0\n", true,
     "Derek Walcott", "23.01.1930 12:00:00", "Castries", "Saint Lucia", "14\u00B000'00''N", "61\u00B000'00''W", -4.0,
     "^$"},
    {"UnknownCountryCode", "#A93:Nemo,Kap,m,1.1.1950,10:00,Nautilus,XYZ\n#B93:*,10n00,20e00,1he00,0\n", true,
     "Kap Nemo", "01.01.1950 10:00:00", "Nautilus", "", "10\u00B000'00''N", "20\u00B000'00''E", 1.0,
     "unknown country code 'XYZ'"},
    {"TimeFromJulianDay", "#A93:Ereignis,*,e,24.12.1992,*,Berlin,D\n#B93:2448981.229167,52n31,13e24,1he00,0\n", true,
     "Ereignis", "24.12.1992 18:30:00", "Berlin", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E", 1.0,
     "time taken from the Julian day"},
    {"TimeUnknownNoon", "#A93:Ereignis,*,e,24.12.1992,*,Berlin,D\n#B93:*,52n31,13e24,1he00,0\n", true, "Ereignis",
     "24.12.1992 12:00:00", "Berlin", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E", 1.0,
     "12:00 taken"},
    {"JulianDayWins", "#A93:Wrong,Zone,m,1.7.1980,12:00,Berlin,D\n#B93:2444421.916667,52n31,13e24,1he00,0\n", true,
     "Zone Wrong", "01.07.1980 12:00:00", "Berlin", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E", 2.0,
     "differs by 3600 s.*set to match"},
    {"JulianDayOfAnotherYear", "#A93:Wrong,Year,m,1.7.1980,12:00,Berlin,D\n#B93:2445445.131907,52n31,13e24,1he00,0\n",
     true, "Year Wrong", "01.07.1980 12:00:00", "Berlin", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E", 1.0,
     "differs by .* they were kept"},
    {"OffsetFromJulianDay", "#A93:Far,Away,m,1.7.1980,12:00,Atlantis,XYZ\n#B93:2444421.750000,*,*,*,*\n", true,
     "Away Far", "01.07.1980 12:00:00", "Atlantis", "", "", "", 6.0, "offset taken from the Julian day"},
    {"OffsetFromAJulianDayOfAnotherDate", "#A93:Far,Away,m,1.7.1980,12:00,Atlantis,XYZ\n#B93:2445445.131907,*,*,*,nan\n",
     true, "Away Far", "01.07.1980 12:00:00", "Atlantis", "", "", "", 0.0,
     "daylight saving 'nan' not understood.*no time zone.*they were kept"},
    {"Windows1252Text", "#A93:M\xfcller,J\xf6rg,m,1.7.1980,12:00,Berlin,D\n", true, "J\u00F6rg M\u00FCller",
     "01.07.1980 12:00:00", "Berlin", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E", 2.0, "^$"},
    {"Utf8Text", "#A93:M\xc3\xbcller,J\xc3\xb6rg,m,1.7.1980,12:00,Berlin,D\n", true, "J\u00F6rg M\u00FCller",
     "01.07.1980 12:00:00", "Berlin", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E", 2.0, "^$"},
    {"B93WithWrongFieldCount", "#A93:Muster,Max,m,1.7.1980,12:00,Berlin,D\n#B93:*,52n31,13e24\n", true,
     "Max Muster", "01.07.1980 12:00:00", "Berlin", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E", 2.0,
     "#B93 has 3 fields, not 5"},
    {"BadLatitude", "#A93:Muster,Max,m,1.7.1980,12:00,Berlin,D\n#B93:*,95n00,13e24,1he00,1\n", true, "Max Muster",
     "01.07.1980 12:00:00", "Berlin", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E", 2.0,
     "latitude '95n00' not understood"},
    {"A93WithTooFewFields", "#A93:Muster,Max,m,1.7.1980,12:00,Berlin\n", false, "Muster", "", "", "", "", "", 0,
     "6 fields, not 7"},
    {"A93WithTooManyFields", "#A93:Muster,Jr.,Max,m,1.7.1980,12:00,Berlin,D\n", false, "Muster", "", "", "", "", "", 0,
     "8 fields, not 7"},
    {"ImpossibleDate", "#A93:Muster,Max,m,31.2.1980,12:00,Berlin,D\n", false, "Max Muster", "", "", "", "", "", 0,
     "'31.2.1980' is no date"},
    {"DateBeforeYear100", "#A93:Caesar,Julius,m,12.7.-99,12:00,Rom,I\n", false, "Julius Caesar", "", "", "", "", "", 0,
     "is no date"},
    {"BadTime", "#A93:Muster,Max,m,1.7.1980,25:00,Berlin,D\n", false, "Max Muster", "", "", "", "", "", 0,
     "'25:00' is no time"},
    {"B93WithoutA93", "#B93:*,52n31,13e24,1he00,1\n", false, "", "", "", "", "", "", 0, "without #A93"},

    // Calendars: Julian before 15.10.1582 unless marked, Gregorian from then on.
    {"UnmarkedDateBeforeTheReformIsJulian", "#A93:Da Vinci,Leonardo,M,14.04.1452,20:56:16,*,*\n", true,
     "Leonardo Da Vinci", "23.04.1452 20:56:16", "", "", "", "", 0.0,
     "'14\\.04\\.1452' is a Julian date, stored as the Gregorian 23\\.4\\.1452"},
    {"JulianNewYear", "#A93:Early,Ann,f,1.1.1500,12:00,Roma,I\n", true, "Ann Early", "10.01.1500 12:00:00", "Roma",
     "Italia", "41\u00B054'00''N", "12\u00B030'00''E", 1.0, "stored as the Gregorian 10\\.1\\.1500"},
    {"JulianLeapDayOfACenturyYear", "#A93:Leap,Day,m,29.2.1500,12:00,Roma,I\n", true, "Day Leap",
     "10.03.1500 12:00:00", "Roma", "Italia", "41\u00B054'00''N", "12\u00B030'00''E", 1.0,
     "stored as the Gregorian 10\\.3\\.1500"},
    {"NoLeapDayInThisJulianYear", "#A93:Leap,Day,m,29.2.1501,12:00,Roma,I\n", false, "Day Leap", "", "", "", "", "",
     0, "'29\\.2\\.1501' is no date of the Julian calendar"},
    {"GregorianMarkInLowerCase", "#A93:Peer,Gregor,m,29.1.1953g,10:00,Berlin,D\n", true, "Gregor Peer",
     "29.01.1953 10:00:00", "Berlin", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E", 1.0, "^$"},
    {"GregorianMarkInUpperCase", "#A93:Peer,Gregor,m,15.12.1980G,10:00,Berlin,D\n", true, "Gregor Peer",
     "15.12.1980 10:00:00", "Berlin", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E", 1.0, "^$"},
    {"GregorianMarkBeforeTheReform", "#A93:Gap,Marked,m,10.10.1582g,10:00,Roma,I\n", true, "Marked Gap",
     "10.10.1582 10:00:00", "Roma", "Italia", "41\u00B054'00''N", "12\u00B030'00''E", 1.0, "^$"},
    {"JulianMarkInTheReformMonth", "#A93:Marked,Julian,m,7.10.1582j,10:00,Roma,I\n", true, "Julian Marked",
     "17.10.1582 10:00:00", "Roma", "Italia", "41\u00B054'00''N", "12\u00B030'00''E", 1.0,
     "'7\\.10\\.1582j' is a Julian date, stored as the Gregorian 17\\.10\\.1582"},
    {"JulianMarkAfterTheReform", "#A93:Marked,Julian,m,1.1.1990J,10:00,Berlin,D\n", true, "Julian Marked",
     "14.01.1990 10:00:00", "Berlin", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E", 1.0,
     "stored as the Gregorian 14\\.1\\.1990"},
    {"LastJulianDay", "#A93:Last,Julian,m,4.10.1582,10:00,Roma,I\n", true, "Julian Last", "14.10.1582 10:00:00",
     "Roma", "Italia", "41\u00B054'00''N", "12\u00B030'00''E", 1.0, "stored as the Gregorian 14\\.10\\.1582"},
    {"UnmarkedDayOfTheGapIsJulian", "#A93:Gap,Unmarked,m,10.10.1582,10:00,Roma,I\n", true, "Unmarked Gap",
     "20.10.1582 10:00:00", "Roma", "Italia", "41\u00B054'00''N", "12\u00B030'00''E", 1.0,
     "stored as the Gregorian 20\\.10\\.1582"},
    {"FirstGregorianDay", "#A93:First,Gregor,m,15.10.1582,10:00,Roma,I\n", true, "Gregor First",
     "15.10.1582 10:00:00", "Roma", "Italia", "41\u00B054'00''N", "12\u00B030'00''E", 1.0, "^$"},
    {"CalendarsAgreeInTheThirdCentury", "#A93:Third,Century,m,1.6.250,12:00,Roma,I\n", true, "Century Third",
     "01.06.0250 12:00:00", "Roma", "Italia", "41\u00B054'00''N", "12\u00B030'00''E", 2.0, "^$"},
    {"JulianDateBeforeGregorianYear100", "#A93:Early,Too,m,1.1.100,12:00,Roma,I\n", false, "Too Early", "", "", "",
     "", "", 0,
     "'1\\.1\\.100' is a Julian date whose Gregorian day 30\\.12\\.99 lies outside 1\\.1\\.100 to 31\\.12\\.9999"},
    {"JulianDateAfterGregorianYear9999", "#A93:Late,Too,m,31.12.9999j,12:00,Roma,I\n", false, "Too Late", "", "", "",
     "", "", 0, "'31\\.12\\.9999j' is a Julian date whose Gregorian day .* lies outside"},
    {"EarlierExportReadAsGregorianByItsJulianDay",
     "#A93:Vinci,Leonardo,m,23.4.1452,20:56:16,*,*\n#B93:2251505.330741,43n46,11e15,1he00,0\n", true,
     "Leonardo Vinci", "23.04.1452 20:56:16", "", "", "43\u00B046'00''N", "11\u00B015'00''E", 1.0,
     "'23\\.4\\.1452' read as a Gregorian date, as its Julian day says"},
    {"JulianDayConfirmsTheJulianReading",
     "#A93:Vinci,Leonardo,m,14.4.1452,20:56:16,*,*\n#B93:2251505.330741,43n46,11e15,1he00,0\n", true,
     "Leonardo Vinci", "23.04.1452 20:56:16", "", "", "43\u00B046'00''N", "11\u00B015'00''E", 1.0,
     "^(?!.*(differs|Gregorian date)).*Julian date, stored as"},
    {"JulianDayOfNeitherReadingIsCheckedAsBefore",
     "#A93:Vinci,Leonardo,m,14.4.1452,20:56:16,*,*\n#B93:2251505.372408,43n46,11e15,1he00,0\n", true,
     "Leonardo Vinci", "23.04.1452 20:56:16", "", "", "43\u00B046'00''N", "11\u00B015'00''E", 0.0,
     "Julian date.*differs by -3600 s.*set to match"},
    // Times.
    {"HourOnly", "#A93:Hour,Only,m,1.7.1980,19,Berlin,D\n", true, "Only Hour", "01.07.1980 19:00:00", "Berlin",
     "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E", 2.0, "^$"},
    {"HourLetterWithMinutesAndSeconds", "#A93:Hour,Letter,m,1.7.1980,22h30:12,Berlin,D\n", true, "Letter Hour",
     "01.07.1980 22:30:12", "Berlin", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E", 2.0, "^$"},
    {"HourLetterWithMinutes", "#A93:Hour,Letter,m,1.7.1980,22h30,Berlin,D\n", true, "Letter Hour",
     "01.07.1980 22:30:00", "Berlin", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E", 2.0, "^$"},
    {"HourLetterAlone", "#A93:Hour,Letter,m,1.7.1980,22h,Berlin,D\n", false, "Letter Hour", "", "", "", "", "", 0,
     "'22h' is no time of day"},
    // Country codes: vehicle codes, ISO 3166 codes, English names.
    {"IsoTwoLetterCode", "#A93:Iso,Code,m,1.7.1980,12:00,Toronto,CA\n", true, "Code Iso", "01.07.1980 12:00:00",
     "Toronto", "Canada", "43\u00B039'00''N", "79\u00B023'00''W", -5.0,
     "^'CA' read as an ISO 3166 code: Canada taken$"},
    {"IsoThreeLetterCodeInLowerCase", "#A93:Iso,Code,m,1.7.1980,12:00,Johannesburg,zaf\n", true, "Code Iso",
     "01.07.1980 12:00:00", "Johannesburg", "South Africa", "26\u00B012'00''S", "28\u00B003'00''E", 2.0,
     "^'zaf' read as an ISO 3166 code: South Africa taken$"},
    {"EnglishName", "#A93:Country,Name,m,1.7.1980,12:00,Johannesburg,South Africa\n", true, "Name Country",
     "01.07.1980 12:00:00", "Johannesburg", "South Africa", "26\u00B012'00''S", "28\u00B003'00''E", 2.0,
     "^'South Africa' read as a country name: South Africa taken$"},
    {"EnglishNameInAnyCase", "#A93:Country,Name,m,1.7.1980,12:00,Johannesburg,sOUTH aFRICA\n", true,
     "Name Country", "01.07.1980 12:00:00", "Johannesburg", "South Africa", "26\u00B012'00''S", "28\u00B003'00''E",
     2.0, "read as a country name: South Africa taken"},
    {"VehicleCodeInLowerCase", "#A93:Muster,Max,m,1.7.1980,12:00,Berlin,d\n", true, "Max Muster",
     "01.07.1980 12:00:00", "Berlin", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E", 2.0, "^$"},
    {"IsoCodeOfADividedCountry", "#A93:Scot,Ian,m,1.1.1950,10:00,Leith,GBR\n#B93:*,55n58,3w10,0hw00,0\n", true,
     "Ian Scot", "01.01.1950 10:00:00", "Leith", "Scotland", "55\u00B058'00''N", "3\u00B010'00''W", 0.0,
     "^'GBR' read as an ISO 3166 code: Scotland taken$"},
    {"VehicleOrIsoCodeByTheCity", "#A93:Either,Code,m,1.7.1980,12:00,Madrid,ES\n", true, "Code Either",
     "01.07.1980 12:00:00", "Madrid", "Spain", "40\u00B025'00''N", "3\u00B042'00''W", 2.0,
     "^'ES' is the vehicle code of El Salvador and the ISO 3166 code of Spain: Spain taken, where Madrid is$"},
    {"VehicleOrIsoCodeByTheCityOfTheVehicleCode", "#A93:Either,Code,m,1.7.1980,12:00,San Salvador,es\n", true,
     "Code Either", "01.07.1980 12:00:00", "San Salvador", "El Salvador", "13\u00B042'00''N", "89\u00B012'00''W",
     -6.0, "El Salvador taken, where San Salvador is"},
    {"VehicleOrIsoCodeByTheCoordinates", "#A93:Either,Code,m,1.7.1980,12:00,Aldea,ES\n#B93:*,40n25,3w42,1he00,1\n",
     true, "Code Either", "01.07.1980 12:00:00", "Aldea", "Spain", "40\u00B025'00''N", "3\u00B042'00''W", 2.0,
     "Spain taken, whose place is nearest to the coordinates"},
    {"VehicleOrIsoCodeCityOfBothByTheCoordinates",
     "#A93:Either,Code,m,1.7.1980,12:00,Guadalupe,ES\n#B93:*,13n38,88w57,6hw00,0\n", true, "Code Either",
     "01.07.1980 12:00:00", "Guadalupe", "El Salvador", "13\u00B038'00''N", "88\u00B057'00''W", -6.0,
     "El Salvador taken, whose place is nearest to the coordinates"},
    {"VehicleOrIsoCodeElseTheVehicleCode", "#A93:Either,Code,m,1.7.1980,12:00,Aldea,ES\n", true, "Code Either",
     "01.07.1980 12:00:00", "Aldea", "El Salvador", "", "", 0.0, "El Salvador taken by the vehicle code"},
    // The daylight-saving field.
    {"DaylightDoubleSummerTime", "#A93:Brown,Jim,m,1.7.1944,12:00,London,GB\n#B93:*,51n30,0w07,0hw00,2\n", true,
     "Jim Brown", "01.07.1944 12:00:00", "London", "England", "51\u00B030'00''N", "0\u00B007'00''W", 2.0, "^$"},
    {"DaylightLocalMeanTimeInLowerCase", "#A93:Muster,Max,m,1.7.1850,12:00,Berlin,D\n#B93:*,52n30,13e24,*,l\n", true,
     "Max Muster", "01.07.1850 12:00:00", "Berlin", "Deutschland", "52\u00B030'00''N", "13\u00B024'00''E", 13.4 / 15,
     "^$"},
    {"DaylightNotUnderstoodOffsetFromTheDatabase",
     "#A93:Muster,Max,m,1.7.1980,12:00,Berlin,D\n#B93:*,52n31,13e24,1he00,x\n", true, "Max Muster",
     "01.07.1980 12:00:00", "Berlin", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E", 2.0,
     "^daylight saving 'x' not understood: offset taken from the place database$"},
    {"DaylightNotUnderstoodPlaceUnknown", "#A93:Muster,Max,m,1.7.1980,12:00,Nirgendwo,D\n#B93:*,52n31,13e24,1he00,x\n",
     true, "Max Muster", "01.07.1980 12:00:00", "Nirgendwo", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E", 1.0,
     "daylight saving 'x' not understood, taken as 0"},
    // Chunks that carry no horoscope, and text as written.
    {"UnknownChunksAndCommentsWithCommas",
     "#: first, second\n#A93:Muster,Max,m,1.7.1980,12:00,Berlin,D\n#COM:Pianist, composer,\ncontinued, with commas\n"
     "#B93:*,52n31,13e24,1he00,1\n#SRC:Birth certificate, page 3\n#VIA:Another program, 2.0\n"
     "#LPOS:SO28CP19:16,MO12PI56:26\n#ENID:12345,678\n#:expect, 2444421.916667\n",
     true, "Max Muster", "01.07.1980 12:00:00", "Berlin", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E", 2.0,
     "^$"},
    {"Utf8NamesAsWritten",
     "#A93:\xc5\xbb\xc3\xb3\xc5\x82\xc4\x87,\xc5\x81ukasz \xc3\x91" "and\xc3\xba,m,1.7.1980,12:00,Berlin,D\n",
     true, "\u0141ukasz \u00D1and\u00FA \u017B\u00F3\u0142\u0107", "01.07.1980 12:00:00", "Berlin", "Deutschland",
     "52\u00B031'00''N", "13\u00B024'00''E", 2.0, "^$"},
};

TEST_P(AafReadTest, MapsRecord)
{
    const ReadCase &c = GetParam();
    FakeDirectory places;
    const std::vector<AafEntry> entries = AafFile::read(QByteArray(c.aaf), places);
    ASSERT_EQ(entries.size(), 1u);
    const AafEntry &e = entries.front();
    EXPECT_EQ(e.record, 1);
    EXPECT_EQ(e.name, QString::fromUtf8(c.horoscope));
    EXPECT_TRUE(QRegularExpression(QString::fromUtf8(c.reason)).match(e.reason).hasMatch()) << e.reason.toStdString();
    ASSERT_EQ(e.horoscope.has_value(), c.imported);
    if (!c.imported)
        return;
    const HoroscopeRecord &h = *e.horoscope;
    EXPECT_EQ(h.name, QString::fromUtf8(c.horoscope));
    EXPECT_EQ(h.birth.toText(), QString::fromUtf8(c.birth));
    EXPECT_EQ(h.city, QString::fromUtf8(c.city));
    EXPECT_EQ(h.country, QString::fromUtf8(c.country));
    EXPECT_EQ(h.latitude, QString::fromUtf8(c.latitude));
    EXPECT_EQ(h.longitude, QString::fromUtf8(c.longitude));
    EXPECT_NEAR(h.deltaGmt, c.deltaGmt, 0.5 / 3600);
}

INSTANTIATE_TEST_SUITE_P(Records, AafReadTest, testing::ValuesIn(ReadCases),
                         [](const testing::TestParamInfo<ReadCase> &info) { return std::string(info.param.name); });

// The Julian day of a #B93 line written by us.
double writtenJulianDay(const QString &aaf, int record)
{
    const QStringList lines = aaf.split(QStringLiteral("\r\n")).filter(QStringLiteral("#B93:"));
    return lines.value(record).mid(5).section(u',', 0, 0).toDouble();
}

double julianDayOf(const HoroscopeRecord &h)
{
    return 1721425.5 + (double(h.birth.serialSeconds()) - h.deltaGmt * 3600) / 86400;
}

HoroscopeRecord horoscope(const char *name, DateTime birth, const char *city, const char *country, const char *latitude,
                          const char *longitude, double deltaGmt)
{
    return {QString::fromUtf8(name), birth,       QString::fromUtf8(city), QString::fromUtf8(country),
            QString::fromUtf8(latitude), QString::fromUtf8(longitude), deltaGmt};
}

} // namespace

TEST(AafFileTest, OursToAafAndBackGivesEqualRecords)
{
    const std::vector<HoroscopeRecord> ours = {
        horoscope("Albert Einstein", DateTime(1879, 3, 14, 11, 30, 0), "Ulm", "Deutschland", "48\u00B024'00''N",
                  "9\u00B059'00''E", 0.6667),
        horoscope("J\u00F6rg M\u00FCller", DateTime(1980, 7, 1, 12, 0, 5), "Berlin", "Deutschland",
                  "52\u00B031'12''N", "13\u00B024'00''E", 2.0),
        horoscope("Jane Ann Doe", DateTime(1976, 7, 4, 9, 30, 0), "Los Angeles", "USA - California",
                  "34\u00B003'00''N", "118\u00B015'00''W", -7.0),
        horoscope("Smith", DateTime(1950, 1, 1, 0, 0, 0), "Edinburgh", "Scotland", "55\u00B057'00''N",
                  "3\u00B012'00''W", 0.0),
        horoscope("Derek Walcott", DateTime(1930, 1, 23, 23, 59, 59), "Castries", "Saint Lucia", "14\u00B000'00''N",
                  "61\u00B000'00''W", -4.0),
        horoscope("Nepal", DateTime(2001, 6, 1, 6, 15, 0), "Kathmandu", "", "27\u00B042'00''N", "85\u00B019'00''E",
                  5.75),
    };
    for (const AafFile::Encoding encoding : {AafFile::Encoding::Windows1252, AafFile::Encoding::Utf8}) {
        FakeDirectory places;
        std::vector<AafEntry> written;
        const QByteArray bytes = AafFile::write(ours, places, encoding, written);
        ASSERT_EQ(written.size(), ours.size());
        const std::vector<AafEntry> read = AafFile::read(bytes, places);
        ASSERT_EQ(read.size(), ours.size());
        for (std::size_t i = 0; i < ours.size(); ++i) {
            ASSERT_TRUE(read[i].horoscope) << read[i].reason.toStdString();
            HoroscopeRecord back = *read[i].horoscope;
            EXPECT_NEAR(back.deltaGmt, ours[i].deltaGmt, 0.5 / 3600) << ours[i].name.toStdString();
            back.deltaGmt = ours[i].deltaGmt;
            EXPECT_EQ(back, ours[i]) << ours[i].name.toStdString() << " " << QString::fromLatin1(bytes).toStdString();
        }
        // The only record without a database country says so.
        EXPECT_TRUE(written[5].reason.isEmpty());
    }
}

// Births on both sides of the calendar reform, with the day each is written as.
struct ReformBirth {
    DateTime birth;
    const char *written;
};

const ReformBirth ReformBirths[] = {
    {DateTime(100, 1, 1, 0, 30, 0), "3.1.100"},     {DateTime(250, 6, 1, 12, 0, 0), "1.6.250"},
    {DateTime(1452, 4, 23, 20, 56, 16), "14.4.1452"}, {DateTime(1500, 3, 10, 12, 0, 0), "29.2.1500"},
    {DateTime(1582, 10, 14, 23, 59, 59), "4.10.1582"}, {DateTime(1582, 10, 15, 0, 0, 0), "15.10.1582"},
    {DateTime(1900, 2, 28, 12, 0, 0), "28.2.1900"},   {DateTime(9999, 12, 31, 23, 0, 0), "31.12.9999"},
};

TEST(AafFileTest, BirthsBeforeTheReformAreWrittenAsJulianDatesAndReadBack)
{
    std::vector<HoroscopeRecord> ours;
    for (const ReformBirth &b : ReformBirths)
        ours.push_back(horoscope("Ann Roman", b.birth, "Roma", "Italia", "41\u00B054'00''N", "12\u00B030'00''E", 1.0));
    FakeDirectory places;
    std::vector<AafEntry> written;
    const QByteArray bytes = AafFile::write(ours, places, AafFile::Encoding::Utf8, written);
    const QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n")).filter(QStringLiteral("#A93:"));
    ASSERT_EQ(lines.size(), std::size(ReformBirths));
    const std::vector<AafEntry> back = AafFile::read(bytes, places);
    ASSERT_EQ(back.size(), std::size(ReformBirths));
    for (std::size_t i = 0; i < back.size(); ++i) {
        const DateTime &birth = ReformBirths[i].birth;
        SCOPED_TRACE(birth.toText().toStdString());
        EXPECT_EQ(lines[i].section(u',', 3, 3), QLatin1String(ReformBirths[i].written));
        EXPECT_EQ(written[i].reason.contains(QStringLiteral("written as the Julian date")),
                  birth < DateTime(1582, 10, 15) && birth.year() != 250);
        ASSERT_TRUE(back[i].horoscope) << back[i].reason.toStdString();
        EXPECT_EQ(back[i].horoscope->birth, birth);
        EXPECT_NEAR(back[i].horoscope->deltaGmt, 1.0, 0.5 / 3600);
        EXPECT_FALSE(back[i].reason.contains(QStringLiteral("differs"))) << back[i].reason.toStdString();
    }
}

TEST(AafFileTest, EarlierExportsWithGregorianDatesBeforeTheReformReadBackByTheirJulianDays)
{
    std::vector<HoroscopeRecord> ours;
    for (const ReformBirth &b : ReformBirths)
        ours.push_back(horoscope("Ann Roman", b.birth, "Roma", "Italia", "41\u00B054'00''N", "12\u00B030'00''E", 1.0));
    FakeDirectory places;
    std::vector<AafEntry> written;
    QString text = QString::fromUtf8(AafFile::write(ours, places, AafFile::Encoding::Utf8, written));
    // As earlier versions wrote them: the Gregorian day, without a mark.
    for (const ReformBirth &b : ReformBirths) {
        const QString gregorian =
            QStringLiteral(",%1.%2.%3,").arg(b.birth.day()).arg(b.birth.month()).arg(b.birth.year());
        text.replace(QStringLiteral(",%1,").arg(QLatin1String(b.written)), gregorian);
    }
    const std::vector<AafEntry> back = AafFile::read(text.toUtf8(), places);
    ASSERT_EQ(back.size(), std::size(ReformBirths));
    for (std::size_t i = 0; i < back.size(); ++i) {
        const DateTime &birth = ReformBirths[i].birth;
        SCOPED_TRACE(birth.toText().toStdString());
        ASSERT_TRUE(back[i].horoscope) << back[i].reason.toStdString();
        EXPECT_EQ(back[i].horoscope->birth, birth);
        EXPECT_EQ(back[i].reason.contains(QStringLiteral("read as a Gregorian date")),
                  birth < DateTime(1582, 10, 15) && birth.year() != 250)
            << back[i].reason.toStdString();
    }
}

TEST(AafFileTest, AafToOursAndBackKeepsBirthMoments)
{
    const QByteArray aaf = "#A93:Cezanne,Paul,m,19.1.1839,1:00,Aix-En-Provence,F\n"
                           "#B93:2392758.526528,43n31,5e27,*,L\n"
                           "#A93:Sommer,Eva,f,1.6.1983,3:10:30,Freiburg,D\n"
                           "#B93:2445486.548958,48n00,7e51,1he00,1\n"
                           "#A93:Muster,Max,m,1.7.1980,12:00,Berlin,D\n"
                           "#A93:Doe,John,m,1.1.1950,10:00,Brooklyn,USA\n"
                           "#B93:*,40n41,73w57,5hw00,0\n";
    FakeDirectory places;
    const std::vector<AafEntry> first = AafFile::read(aaf, places);
    std::vector<HoroscopeRecord> ours;
    for (const AafEntry &e : first)
        ours.push_back(*e.horoscope);
    std::vector<AafEntry> written;
    const QString again = QString::fromLatin1(AafFile::write(ours, places, AafFile::Encoding::Windows1252, written));
    const double expected[] = {2392758.526528, 2445486.548958, julianDayOf(ours[2]), julianDayOf(ours[3])};
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(writtenJulianDay(again, i), expected[i], 1.0 / 86400) << i;
    EXPECT_NEAR(expected[2], 2444422.0 - 2.0 / 24, 1e-9); // Berlin summer time from the database
    EXPECT_TRUE(again.contains(QStringLiteral("#A93:Cezanne,Paul,*,19.1.1839,1:00,Aix-En-Provence,F\r\n")));
    EXPECT_TRUE(again.contains(QStringLiteral(",USA\r\n#B93:")));
}

TEST(AafFileTest, WriterMarksWhatCannotTravel)
{
    const std::vector<HoroscopeRecord> ours = {
        horoscope("Smith, John #2", DateTime(1950, 1, 1, 0, 0, 0), "", "Atlantis", "", "", 0.0),
        horoscope("\u4E2D\u6587 Name", DateTime(1950, 1, 1, 0, 0, 0), "", "", "", "", 0.0),
    };
    FakeDirectory places;
    std::vector<AafEntry> entries;
    const QByteArray bytes = AafFile::write(ours, places, AafFile::Encoding::Windows1252, entries);
    EXPECT_TRUE(bytes.startsWith("#A93:2,Smith; John,*,1.1.1950,0:00,*,*\r\n#B93:"));
    EXPECT_TRUE(entries[0].reason.contains(QStringLiteral("'Atlantis' is not in the place database")));
    EXPECT_TRUE(entries[0].reason.contains(QStringLiteral("commas, '#' and line breaks cannot travel")));
    EXPECT_TRUE(entries[1].reason.contains(QStringLiteral("2 characters outside Windows-1252")));
    EXPECT_TRUE(AafFile::write(ours, places, AafFile::Encoding::Utf8, entries).contains("\xe4\xb8\xad"));
    EXPECT_TRUE(entries[1].reason.isEmpty());
}

TEST(AafFileTest, DamagedFilesKeepTheGoodRecords)
{
    const QByteArray aaf = "garbage before the first record\n"
                           "#A93:Good,One,m,1.7.1980,12:00,Berlin,D\n"
                           "#A93:Bad,Date,m,1.13.1980,12:00,Berlin,D\n"
                           "#B93:*,52n31,13e24,1he00,1\n"
                           "#B93:*,52n31,13e24,1he00,1\n"
                           "#A93:Good,Two,f,2.7.1980,12:00,Berlin,D\n"
                           "#A93:Short\n"
                           "#\x01\xff\xfe\n";
    FakeDirectory places;
    const std::vector<AafEntry> entries = AafFile::read(aaf, places);
    ASSERT_EQ(entries.size(), 5u);
    const bool imported[] = {true, false, false, true, false};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(entries[i].record, i + 1);
        EXPECT_EQ(entries[i].horoscope.has_value(), imported[i]) << i;
        EXPECT_EQ(entries[i].reason.isEmpty(), imported[i]) << i << entries[i].reason.toStdString();
    }
    EXPECT_TRUE(entries[2].reason.contains(QStringLiteral("line 5")));
}

TEST(AafFileTest, AFileMixingGoodAndBadRecordsKeepsEachGoodOne)
{
    const QByteArray aaf = "#: calendars, times and codes of several programs\n"
                           "#A93:Vinci,Leonardo,m,14.4.1452,20:56:16,Roma,I\n"
                           "#A93:Leap,Day,m,29.2.1501,12:00,Roma,I\n"
                           "#A93:Hour,Only,m,1.7.1980,19,Berlin,D\n"
                           "#COM:late, but certain\n"
                           "#A93:Hour,Letter,m,1.7.1980,22h,Berlin,D\n"
                           "#A93:Iso,Code,m,1.7.1980,12:00,Toronto,CA\n"
                           "#LPOS:SO28CP19:16\n"
                           "#A93:Early,Too,m,1.1.100,12:00,Roma,I\n"
                           "#A93:Vinci,Leonardo,m,23.4.1452,20:56:16,*,*\n"
                           "#B93:2251505.330741,43n46,11e15,1he00,0\n"
                           "#B93:2251505.330741,43n46,11e15,1he00,0\n"
                           "#A93:Short,Record,m,1.7.1980,12:00,Berlin\n"
                           "#A93:Either,Code,m,1.7.1980,12:00,Madrid,ES\n"
                           "#A93:Marked,Julian,m,7.10.1582J,10:00,Roma,I\n";
    FakeDirectory places;
    const std::vector<AafEntry> entries = AafFile::read(aaf, places);
    struct Expected {
        bool imported;
        const char *birthOrReason;
    };
    const Expected expected[] = {
        {true, "23.04.1452 20:56:16"},  {false, "no date of the Julian calendar"},
        {true, "01.07.1980 19:00:00"},  {false, "'22h' is no time of day"},
        {true, "01.07.1980 12:00:00"},  {false, "Gregorian day 30.12.99 lies outside"},
        {true, "23.04.1452 20:56:16"},  {false, "without #A93"},
        {false, "6 fields, not 7"},     {true, "01.07.1980 12:00:00"},
        {true, "17.10.1582 10:00:00"},
    };
    ASSERT_EQ(entries.size(), std::size(expected));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const AafEntry &e = entries[i];
        SCOPED_TRACE(QStringLiteral("record %1: %2").arg(e.record).arg(e.reason).toStdString());
        EXPECT_EQ(e.record, int(i) + 1);
        ASSERT_EQ(e.horoscope.has_value(), expected[i].imported);
        if (e.horoscope) {
            EXPECT_EQ(e.horoscope->birth.toText(), QLatin1String(expected[i].birthOrReason));
        } else {
            EXPECT_TRUE(e.reason.contains(QLatin1String(expected[i].birthOrReason)));
        }
    }
    EXPECT_EQ(entries[4].horoscope->country, QStringLiteral("Canada"));
    EXPECT_EQ(entries[9].horoscope->country, QStringLiteral("Spain"));
    EXPECT_TRUE(entries[6].reason.contains(QStringLiteral("read as a Gregorian date")));
}

TEST(AafFileTest, FilesWithoutRecords)
{
    FakeDirectory places;
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += char((i * 7919) % 256 == '#' ? 0 : (i * 7919) % 256);
    for (const QByteArray &bytes : {QByteArray(), garbage, QByteArray("\xEF\xBB\xBF"), QByteArray("#:comment only\n")})
        EXPECT_TRUE(AafFile::read(bytes, places).empty());

    QTemporaryDir dir;
    const Result<std::vector<AafEntry>> missing = AafFile::load(dir.filePath(QStringLiteral("none.aaf")), places);
    EXPECT_EQ(missing.status(), ResultStatus::Missing);
    EXPECT_TRUE(missing.message().contains(QStringLiteral("none.aaf")));
    writeBytes(dir.filePath(QStringLiteral("empty.aaf")), QByteArray());
    const Result<std::vector<AafEntry>> empty = AafFile::load(dir.filePath(QStringLiteral("empty.aaf")), places);
    EXPECT_EQ(empty.status(), ResultStatus::Failed);
    EXPECT_TRUE(empty.message().contains(QStringLiteral("empty.aaf")));
}

TEST(AafFileTest, SaveReplacesTheFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.aaf"));
    FakeDirectory places;
    const std::vector<HoroscopeRecord> ours = {
        horoscope("Max Muster", DateTime(1980, 7, 1, 12, 0, 0), "Berlin", "Deutschland", "52\u00B031'00''N",
                  "13\u00B024'00''E", 2.0)};
    const Result<std::vector<AafEntry>> saved = AafFile::save(path, ours, places);
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(saved->size(), 1u);
    EXPECT_EQ(readBytes(path), "#A93:Muster,Max,*,1.7.1980,12:00,Berlin,D\r\n"
                               "#B93:2444421.916667,52n31,13e24,2he00,0\r\n");
    const Result<std::vector<AafEntry>> loaded = AafFile::load(path, places);
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(AafFile::imported(loaded.value()), 1);
    const Result<std::vector<AafEntry>> unsaved = AafFile::save(dir.filePath(QStringLiteral("no/such/folder/out.aaf")), ours, places);
    EXPECT_EQ(unsaved.status(), ResultStatus::Missing);
    EXPECT_TRUE(unsaved.message().contains(QStringLiteral("out.aaf")));
}
