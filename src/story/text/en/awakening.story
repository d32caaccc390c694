# Chapter "The Awakening": the wreck, the crossroads, the search for a weapon,
# the wolves that wait for the unarmed, and the tower.

# The colour set again where it is already normal: a terminal still gets it.
=== normal_colour @0b8fcf7e
#| {normal}\
{normal}\

=== wreck @59f876a4
#| Stöhnend kommst du zu dir. Du liegst allein auf dem kalten Boden, ringsum verstreut die Trümmer des Karrens und blutige Körperteile.
#| Auch das Pferd ist verschwunden, geflohen oder gefressen. Zu deiner Erleichterung ist aber auch vom Drachen nichts mehr zu sehen.
#| Offenbar bist du der einzige Überlebende. Deine Hände sind noch immer gefesselt.
#| ~
#| ~
#| {option 1 >} Nach etwas umschauen, womit du deine Fesseln loswerden kannst
#| {option 2 again} Nach anderen Überlebenden umschauen und rufen{_}
#| ~
#| ~
#| {quit} Beenden
Groaning, you come to. You are lying alone on the cold ground, the wreckage of the cart and bloody body parts strewn all around you.
The horse is gone too, fled or eaten. To your relief, though, there's no sign of the dragon either.
Apparently you're the only survivor. Your hands are still bound.
~
~
{option 1 >} Look around for something to get rid of your bonds
{option 2 again} Look around for other survivors and call out{_}
~
~
{quit} Quit

=== cut_the_bonds @b68528d8
#| Ganz in der Nähe entdeckst du einen scharfkantigen Holzsplitter. Mühsam kriechst du hinüber, um deine Fesseln daran durchzuscheuern.
#| Es kostet dich einige Mühe, doch schließlich reißt der Strick, und du kannst aufstehen.
#| ~
#| ~
Close by you spot a sharp-edged splinter of wood. With some effort you crawl over to it to saw through your bonds.
It takes you a good deal of work, but at last the rope gives way, and you can stand up.
~
~

=== call_for_survivors @d6266c93
#| Du siehst dich um und rufst, so laut du kannst. Doch da ist niemand, und niemand antwortet. Du bist allein.
#| ~
#| ~
#| ~
You look around and shout as loud as you can. But there's no one there, and no one answers. You are alone.
~
~
~

# The sentence about the mountains breaks its line after the comma.
=== crossroads @0e1e84ee
#| Du fühlst dich schwach, doch abgesehen von den Schmerzen nach dem Sturz scheinst du weitgehend unverletzt zu sein.
#| Es wird bereits dunkel. Du solltest dir einen Unterschlupf für die Nacht suchen, wer weiß, welche Gefahren hier lauern.
#| ~
#| Langsam wird dir kalt. Es ist noch immer Winter, und du trägst nur einfache Kleidung, offenbar die eines gewöhnlichen Mannes.
#| Du siehst dich um: Du stehst auf einer breiten Straße mitten in der Wildnis. Zu deiner Rechten erhebt sich ein gewaltiges Gebirge,{n}wo du vielleicht eine Höhle für die Nacht finden könntest, auch wenn dort ebenfalls Gefahren lauern mögen.
#| Dem Stand der Sonne nach verläuft die Straße von Norden nach Süden. Weit im Süden steigt Rauch auf, vielleicht von einer Siedlung.
#| Im Norden ragt ein riesiger Turm aus dem Wald empor, doch vor Einbruch der Nacht erreichst du ihn unmöglich.
#| ~
#| Du könntest auch hierbleiben und darauf warten, dass jemand vorbeikommt. Aus den Resten des Karrens ließe sich ein notdürftiges Lager bauen.
#| Auf jeden Fall solltest du dich nach einer Waffe umsehen. Vielleicht liegt hier ja irgendwo eine herum.
#| ~
#| ~
You feel weak, but apart from the aches left by the fall you seem to be largely unhurt.
It's already getting dark. You should find some shelter for the night; who knows what dangers lurk out here.
~
Slowly the cold creeps into you. It's still winter, and you're wearing only simple clothes, apparently those of a common man.
You look around: you're standing on a wide road in the middle of the wilderness. To your right rises a mighty mountain range,{n}where you might find a cave for the night, even if dangers may lurk there as well.
Judging by the sun, the road runs from north to south. Far to the south, smoke is rising, perhaps from a settlement.
To the north, a huge tower looms up out of the forest, but there's no way you'll reach it before nightfall.
~
You could also stay here and wait for someone to come along. The remains of the cart would make a makeshift camp.
Either way, you should look around for a weapon. Who knows, maybe one is just lying around here somewhere.
~
~

# Offered until the sword is found.
=== search_option @ce755d3f
#| {option 1 again} Dich umschauen und nach einer Waffe suchen
{option 1 again} Look around and search for a weapon

=== way_options @219447e9
#| {option 2 >} Zum Berg gehen, um eine Höhle zu suchen
#| {option 3 >} Richtung Süden gehen, um die Quelle des Rauches zu untersuchen
#| {option 4 >} In Richtung des Turms gehen
#| ~
#| ~
#| {quit} Beenden
{option 2 >} Head for the mountain to look for a cave
{option 3 >} Go south to find out where the smoke is coming from
{option 4 >} Head toward the tower
~
~
{quit} Quit

=== already_searched @83b8d151
#| Das hast du bereits getan.
#| ~
#| ~
You've already done that.
~
~

=== sword_found @9a530352
#| Eine ganze Weile durchwühlst du die Trümmer nach einer Waffe. Inzwischen ist die Nacht hereingebrochen, doch die Suche lohnt sich: Zwischen den Brettern findest du ein Schwert.
#| Das Schwert ist kurz und schartig, aber für den Anfang sollte es genügen. Zufrieden steckst du es dir in den Gürtel.
For quite a while you rummage through the wreckage in search of a weapon. Night has fallen in the meantime, but the search pays off: between the planks you find a sword.
The sword is short and notched, but it should do for a start. Satisfied, you tuck it into your belt.

# The space below the sword's banner.
=== after_sword_banner @0beb99b5
#| ~
#| ~
~
~

=== mountain_death @86cc7021
#| Du beschließt, keine Zeit zu verlieren, und machst dich direkt auf den Weg zum Berg.
#| Vorsichtig bahnst du dir einen Weg durch den dichten Wald in Richtung des Gebirges.
#| Als es dunkel wird, hörst du plötzlich Wölfe heulen.
#| Du beschleunigst deine Schritte, doch die Wölfe holen dich ein, und ohne Waffe kannst du dich nicht verteidigen.
#| Niemand außer den Wölfen hört deine Schreie, als sie dich in Stücke reißen.
#| Am nächsten Morgen ist von dir nur noch ein blutiger Rest übrig.
You decide not to lose any time and set off straight for the mountain.
Carefully you make your way through the dense forest toward the mountains.
As darkness falls, you suddenly hear wolves howling.
You quicken your pace, but the wolves catch up with you, and without a weapon you can't defend yourself.
No one but the wolves hears your screams as they tear you to pieces.
By the next morning, nothing is left of you but some bloody remains.

=== south_wolves @86557175
#| Du willst gerade Richtung Süden aufbrechen, da raschelt es plötzlich im Gebüsch, und ein Rudel Wölfe bricht aus dem Wald hervor.
You're just about to set off south when something suddenly rustles in the bushes, and a pack of wolves bursts out of the forest.

=== tower_wolves @1539ab7c
#| Du willst gerade in Richtung des Turms aufbrechen, da raschelt es plötzlich im Gebüsch, und ein Rudel Wölfe bricht aus dem Wald hervor.
You're just about to set off toward the tower when something suddenly rustles in the bushes, and a pack of wolves bursts out of the forest.

# The end of the wolves' ambush, to the south and to the tower alike.
=== wolf_food @3438f61d
#| Ohne Waffe bist du leichte Beute und endest als Wolfsfutter.
Without a weapon you're easy prey, and you end up as wolf food.

=== tower @d53a45c1
#| Du wählst den Turm als dein Ziel und machst dich auf den Weg.
#| Der Weg verläuft ruhig, auch wenn dich die Nacht ringsum nervös macht.
#| Erst am Turm begreifst du seine wahre Größe: Er ist wahrhaft riesig und obendrein bedrohlich.
#| Vorsichtig näherst du dich dem großen Tor. Es ist verschlossen.
#| Du hebst die Hand, um den Türklopfer in Form eines Wolfskopfes zu benutzen, und bemerkst einen Zettel an der Tür:
#| ~
#| ~
#| {speech}Dieser Turm gehört dem mächtigen Zauberer Xerxes, der derzeit im Urlaub weilt. Bitte kommt später wieder.
#| {normal}Du fluchst. Jetzt bleibt dir nur noch der Weg zur Rauchsäule, wo du eine Stadt vermutest. Also musst du umkehren.
#| Frustriert machst du dich auf den Weg.
#| ~
#| ~
You choose the tower as your goal and set off.
The walk is uneventful, though the night all around you sets your nerves on edge.
Only when you reach the tower do you grasp its true size: it is truly enormous, and menacing into the bargain.
Cautiously you approach the great gate. It is locked.
You raise your hand to use the knocker, which is shaped like a wolf's head, and notice a note on the door:
~
~
{speech}This tower belongs to the mighty wizard Xerxes, who is currently away on vacation. Pray call again later.
{normal}You curse. Now the only way left to you is toward the column of smoke, where you suspect there's a city. So you'll have to turn back.
Frustrated, you set off.
~
~
