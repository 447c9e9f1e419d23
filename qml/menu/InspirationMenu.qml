import QtQuick
import Qt.labs.platform as Platform

// Sample routes from departure to arrival, by region, and random airports. A sample route
// replaces the plan, so a modified plan first gets the question New and Open ask.
Platform.Menu {
    id: inspirationMenu

    component RegionMenu: Platform.Menu {
        id: region

        // Rows of [text, departure, arrival].
        property var routes: []

        Instantiator {
            model: region.routes
            delegate: Platform.MenuItem {
                required property var modelData

                text: qsTr(modelData[0])
                onTriggered: inspirationMenu.fly(modelData[1], modelData[2])
            }
            onObjectAdded: function (index, object) {
                region.insertItem(index, object);
            }
            onObjectRemoved: function (index, object) {
                region.removeItem(object);
            }
        }
    }

    function fly(departure, arrival) {
        fileManager.replaceDoc(function () {
            flightplan.clear();
            flightplan.append(departure);
            flightplan.append(arrival, false);
        });
    }

    title: qsTr("&Inspiration")

    RegionMenu {
        title: qsTr("Europe")
        routes: [[QT_TR_NOOP("Paris Charles De Gaulle - Nice Côte d'Azur"), "LFPG", "LFMN"],
            [QT_TR_NOOP("Paris Charles De Gaulle - Wien Schwechat"), "LFPG", "LOWW"],
            [QT_TR_NOOP("Zurich Kloten - Innsbruck Kranebitten"), "LSZH", "LOWI"],
            [QT_TR_NOOP("Amsterdam Schiphol - Oslo Gardermoen"), "EHAM", "ENGM"],
            [QT_TR_NOOP("Hamburg Fuhlsbüttel - Muenchen Franz Joseph"), "EDDH", "EDDM"],
            [QT_TR_NOOP("Muenchen Franz Joseph - London Heathrow"), "EDDM", "EGLL"],
            [QT_TR_NOOP("Torino Caselle - Lyon Saint Exupery"), "LIMF", "LFLL"],
            [QT_TR_NOOP("Roma Leonardo Da Vinci - Barcelona El Prat"), "LIRF", "LEBL"],
            [QT_TR_NOOP("London Gatwick - Glasgow Prestwick"), "EGKK", "EGPK"],
            [QT_TR_NOOP("Oslo Gardermoen - Tromso Langnes"), "ENGM", "ENTC"],
            [QT_TR_NOOP("Istanbul Ataturk - Frankfurt am Main"), "LTBA", "EDDF"],
            [QT_TR_NOOP("Barcelona El Prat - Madrid Barajas"), "LEBL", "LEMD"],
            [QT_TR_NOOP("London Heathrow - Athens Eleftherios Venizelos"), "EGLL", "LGAV"],
            [QT_TR_NOOP("Geneva Cointrin - Bern Belp"), "LSGG", "LSZB"],
            [QT_TR_NOOP("Innsbruck Kranebitten - Bolzano Dolomiti"), "LOWI", "LIPB"]]
    }
    RegionMenu {
        title: qsTr("North America")
        routes: [[QT_TR_NOOP("San Francisco - New York John F. Kennedy"), "KSFO", "KJFK"],
            [QT_TR_NOOP("Los Angeles - Seattle Tacoma"), "KLAX", "KSEA"],
            [QT_TR_NOOP("Las Vegas McCarran - Chicago O'Hare"), "KLAS", "KORD"],
            [QT_TR_NOOP("Dallas Fort Worth - Miami"), "KDFW", "KMIA"],
            [QT_TR_NOOP("Miami - Boston Logan"), "KMIA", "KBOS"],
            [QT_TR_NOOP("Seattle Tacoma Intl - Salt Lake City Intl"), "KSEA", "KSLC"],
            [QT_TR_NOOP("Toronto Pearson Intl - Vancouver Intl"), "CYYZ", "CYVR"],
            [QT_TR_NOOP("Seattle Boeing Field - Portland Intl"), "KBFI", "KPDX"],
            [QT_TR_NOOP("Las Vegas North - Grand Canyon National Park"), "KVGT", "KGCN"]]
    }
    RegionMenu {
        title: qsTr("South America")
        routes: [[QT_TR_NOOP("Mexico Licenciado Benito Juarez Intl - Bogota El Dorado Intl"), "MMMX", "SKBO"],
            [QT_TR_NOOP("Rio de Janeiro Galeao Intl - Santiago Arturo Benitez Intl"), "SBGL", "SCEL"],
            [QT_TR_NOOP("Sao Paulo Guarulhos Intl - Buenos Aires Ezeiza Intl"), "SBGR", "SAEZ"],
            [QT_TR_NOOP("Lima Jorge Chavez Intl - Cusco Alejandro Velasco Astete"), "SPJC", "SPZO"],
            [QT_TR_NOOP("Rio de Janeiro Santos Dumont - Angra dos Reis"), "SBRJ", "SDAG"]]
    }
    RegionMenu {
        title: qsTr("Asia")
        routes: [[QT_TR_NOOP("Singapore Changi - Tokyo Narita"), "WSSS", "RJAA"],
            [QT_TR_NOOP("Hong Kong - Mumbai Chhatrapati"), "VHHH", "VABB"],
            [QT_TR_NOOP("Taipei Taoyuan Intl - Tokyo Haneda Intl"), "RCTP", "RJTT"],
            [QT_TR_NOOP("Dubai Intl - Singapore Changi"), "OMDB", "WSSS"],
            [QT_TR_NOOP("Tokyo Haneda Intl - Sapporo New Chitose Intl"), "RJTT", "RJCC"],
            [QT_TR_NOOP("Kathmandu Tribhuvan Intl - Lukla Tenzing-Hillary"), "VNKT", "VNLK"]]
    }
    RegionMenu {
        title: qsTr("Africa")
        routes: [[QT_TR_NOOP("Cape Town Intl - Dubai Intl"), "FACT", "OMDB"],
            [QT_TR_NOOP("Casablanca Mohammed V Intl - Carthage"), "GMMN", "DTTA"],
            [QT_TR_NOOP("Dakar Leopold Sedar Senghor Intl - Rabat Sale Intl"), "GOOY", "GMME"],
            [QT_TR_NOOP("Johannesburg O. R. Tambo Intl - Nairobi Jomo Kenyatta Intl"), "FAOR", "HKJK"],
            [QT_TR_NOOP("Addis Ababa Bole Intl - Dire Dawa Intl"), "HAAB", "HADR"],
            [QT_TR_NOOP("Cape Town Intl - George"), "FACT", "FAGG"]]
    }
    RegionMenu {
        title: qsTr("Oceanic")
        routes: [[QT_TR_NOOP("Paris Charles De Gaulle - New York John F. Kennedy"), "LFPG", "KJFK"],
            [QT_TR_NOOP("Los Angeles - Tokyo Haneda"), "KLAX", "RJTT"],
            [QT_TR_NOOP("Los Angeles - Honolulu Daniel K Inouye"), "KLAX", "PHNL"],
            [QT_TR_NOOP("San Francisco - Honolulu Daniel K Inouye"), "KSFO", "PHNL"],
            [QT_TR_NOOP("Keflavik - Boston Logan"), "BIKF", "KBOS"],
            [QT_TR_NOOP("Sydney Kingsford Smith - Auckland Intl"), "YSSY", "NZAA"],
            [QT_TR_NOOP("Auckland Intl - Queenstown Intl"), "NZAA", "NZQN"],
            [QT_TR_NOOP("Brisbane Intl - Gold Coast"), "YBBN", "YBCG"],
            [QT_TR_NOOP("Christchurch Intl - McMurdo Phoenix Airfield"), "NZCH", "NZFX"]]
    }

    Platform.MenuSeparator {
    }
    Platform.MenuItem {
        text: qsTr("Add random airport")
        onTriggered: flightplan.addRandomAirport()
    }
    Platform.MenuItem {
        text: qsTr("Add two random airports")
        onTriggered: {
            flightplan.addRandomAirport();
            flightplan.addRandomAirport(false);
        }
    }
}
