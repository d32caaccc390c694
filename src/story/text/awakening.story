# Chapter "Das Erwachen": the wreck, the crossroads, the search for a weapon,
# the wolves that wait for the unarmed, and the tower.
#
# Markup (docs/story-markup.md): "=== name" starts a passage; every line is
# printed with a line end, "\" at its end glues it to what comes next, "~"
# alone is an empty line; {speech} {good} {bad} {normal} set the colour
# from there on; {name} is the hero's name; {n} a line end inside a
# sentence; {_} a blank that would otherwise be invisible; {‚} {‘} {„}
# quotation marks shown only without colours. "{option 1 >} Text" is an
# option line (> golden: it moves the story on; "again", "on", "dies" for
# the others), "{quit} Beenden" the quit line, {hint} the hint line. Blank
# lines and lines starting with # are ignored.

# The colour set again where it is already normal: a terminal still gets it.
=== normal_colour
{normal}\

=== wreck
Stöhnend kommst du zu dir. Du liegst allein auf dem kalten Boden, ringsum verstreut die Trümmer des Karrens und blutige Körperteile.
Auch das Pferd ist verschwunden, geflohen oder gefressen. Zu deiner Erleichterung ist aber auch vom Drachen nichts mehr zu sehen.
Offenbar bist du der einzige Überlebende. Deine Hände sind noch immer gefesselt.
~
~
{option 1 >} Nach etwas umschauen, womit du deine Fesseln loswerden kannst
{option 2 again} Nach anderen Überlebenden umschauen und rufen{_}
~
~
{quit} Beenden

=== cut_the_bonds
Ganz in der Nähe entdeckst du einen scharfkantigen Holzsplitter. Mühsam kriechst du hinüber, um deine Fesseln daran durchzuscheuern.
Es kostet dich einige Mühe, doch schließlich reißt der Strick, und du kannst aufstehen.
~
~

=== call_for_survivors
Du siehst dich um und rufst, so laut du kannst. Doch da ist niemand, und niemand antwortet. Du bist allein.
~
~
~

# The sentence about the mountains breaks its line after the comma.
=== crossroads
Du fühlst dich schwach, doch abgesehen von den Schmerzen nach dem Sturz scheinst du weitgehend unverletzt zu sein.
Es wird bereits dunkel. Du solltest dir einen Unterschlupf für die Nacht suchen, wer weiß, welche Gefahren hier lauern.
~
Langsam wird dir kalt. Es ist noch immer Winter, und du trägst nur einfache Kleidung, offenbar die eines gewöhnlichen Mannes.
Du siehst dich um: Du stehst auf einer breiten Straße mitten in der Wildnis. Zu deiner Rechten erhebt sich ein gewaltiges Gebirge,{n}wo du vielleicht eine Höhle für die Nacht finden könntest, auch wenn dort ebenfalls Gefahren lauern mögen.
Dem Stand der Sonne nach verläuft die Straße von Norden nach Süden. Weit im Süden steigt Rauch auf, vielleicht von einer Siedlung.
Im Norden ragt ein riesiger Turm aus dem Wald empor, doch vor Einbruch der Nacht erreichst du ihn unmöglich.
~
Du könntest auch hierbleiben und darauf warten, dass jemand vorbeikommt. Aus den Resten des Karrens ließe sich ein notdürftiges Lager bauen.
Auf jeden Fall solltest du dich nach einer Waffe umsehen. Vielleicht liegt hier ja irgendwo eine herum.
~
~

# Offered until the sword is found.
=== search_option
{option 1 again} Dich umschauen und nach einer Waffe suchen

=== way_options
{option 2 >} Zum Berg gehen, um eine Höhle zu suchen
{option 3 >} Richtung Süden gehen, um die Quelle des Rauches zu untersuchen
{option 4 >} In Richtung des Turms gehen
~
~
{quit} Beenden

=== already_searched
Das hast du bereits getan.
~
~

=== sword_found
Eine ganze Weile durchwühlst du die Trümmer nach einer Waffe. Inzwischen ist die Nacht hereingebrochen, doch die Suche lohnt sich: Zwischen den Brettern findest du ein Schwert.
Das Schwert ist kurz und schartig, aber für den Anfang sollte es genügen. Zufrieden steckst du es dir in den Gürtel.

# The space below the sword's banner.
=== after_sword_banner
~
~

=== mountain_death
Du beschließt, keine Zeit zu verlieren, und machst dich direkt auf den Weg zum Berg.
Vorsichtig bahnst du dir einen Weg durch den dichten Wald in Richtung des Gebirges.
Als es dunkel wird, hörst du plötzlich Wölfe heulen.
Du beschleunigst deine Schritte, doch die Wölfe holen dich ein, und ohne Waffe kannst du dich nicht verteidigen.
Niemand außer den Wölfen hört deine Schreie, als sie dich in Stücke reißen.
Am nächsten Morgen ist von dir nur noch ein blutiger Rest übrig.

=== south_wolves
Du willst gerade Richtung Süden aufbrechen, da raschelt es plötzlich im Gebüsch, und ein Rudel Wölfe bricht aus dem Wald hervor.

=== tower_wolves
Du willst gerade in Richtung des Turms aufbrechen, da raschelt es plötzlich im Gebüsch, und ein Rudel Wölfe bricht aus dem Wald hervor.

# The end of the wolves' ambush, to the south and to the tower alike.
=== wolf_food
Ohne Waffe bist du leichte Beute und endest als Wolfsfutter.

=== tower
Du wählst den Turm als dein Ziel und machst dich auf den Weg.
Der Weg verläuft ruhig, auch wenn dich die Nacht ringsum nervös macht.
Erst am Turm begreifst du seine wahre Größe: Er ist wahrhaft riesig und obendrein bedrohlich.
Vorsichtig näherst du dich dem großen Tor. Es ist verschlossen.
Du hebst die Hand, um den Türklopfer in Form eines Wolfskopfes zu benutzen, und bemerkst einen Zettel an der Tür:
~
~
{speech}Dieser Turm gehört dem mächtigen Zauberer Xerxes, der derzeit im Urlaub weilt. Bitte kommt später wieder.
{normal}Du fluchst. Jetzt bleibt dir nur noch der Weg zur Rauchsäule, wo du eine Stadt vermutest. Also musst du umkehren.
Frustriert machst du dich auf den Weg.
~
~
