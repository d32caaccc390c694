# Chapter "The City Gate": Ragnar's two ideas for getting past the guards, and
# the screen that says the story ends here for now.

# Ends in Ragnar's colour, for his ideas that follow.
=== arrival @87cbab80
#| Schließlich taucht die Stadtmauer vor euch auf. Das Tor wird von zwei Männern bewacht, die mit Hellebarden bewaffnet sind. Ragnar bleibt abrupt stehen.
#| {speech}Wir können nicht einfach so in die Stadt spazieren.
#| ~
#| Und wieso nicht, {normal}fragst du verwirrt.
#| {speech}Weil das Tor bewacht wird, {normal}erklärt er, {speech}und die Wachen würden uns ganz sicher erkennen. In der ganzen Gegend hängen Steckbriefe mit meinem Gesicht. Wir brauchen einen Plan.
#| {normal}Er wirkt nachdenklich.{speech} Lasst mich kurz überlegen.
#| {normal}Nach einem Moment der Stille nickt er schließlich mit einem Grinsen.
#| {speech}\
At last the city wall comes into view ahead of you. The gate is guarded by two men armed with halberds. Ragnar stops abruptly.
{speech}We cannot simply stroll into the city.
~
And why not?{normal} you ask, puzzled.
{speech}Because the gate is guarded, {normal}he explains, {speech}and the guards would most certainly recognize us. There are wanted posters with my face on them all over the land. We need a plan.
{normal}He looks thoughtful.{speech} Give me a moment to think.
{normal}After a short silence, he finally nods with a grin.
{speech}\

# Sets no colour before Ragnar's ideas: yellow the first time, golden (the
# options' colour) after a wrong entry.
=== ragnars_plan @2910f376
#| Wir könnten warten, bis jemand vorbeikommt, ihn überfallen und uns seine Sachen als Verkleidung nehmen.
#| Oder wir nehmen den geheimen Weg durch die Kanalisation. Der ist allerdings gefährlich, denn dort unten hausen Goblins.
#| {normal}
#| ~
#| {option 1 > dies} Überfall
#| {option 2 >} Kanalisation
We could wait until someone comes along, waylay him and take his things as a disguise.
Or we take the secret way through the sewers. That way is dangerous, however, for goblins dwell down there.
{normal}
~
{option 1 > dies} Ambush
{option 2 >} Sewers

# The last sentence breaks its line after "for", as it always has.
=== ambush @7ffaa9f6
#| {normal}Mit einem mulmigen Gefühl stimmst du dem Überfall zu. Ragnar grinst, und ihr legt euch auf die Lauer.
#| Es dauert nicht lange, bis zwei unscheinbar aussehende Reisende aus der Stadt kommen.
#| Auf Ragnars Zeichen stürzt ihr euch auf sie, doch die beiden entpuppen sich als kampferprobte Krieger.
#| Einer von ihnen schießt Ragnar einen Pfeil ins Knie, woraufhin Ragnar urplötzlich zur Stadtwache wird und dich wegen{n}des Angriffs auf die Bürger der Stadt niederstreckt.
{normal}With a queasy feeling, you agree to the ambush. Ragnar grins, and the two of you lie in wait.
It doesn't take long before two unremarkable-looking travelers come out of the city.
At Ragnar's signal you pounce on them, but the pair turn out to be battle-hardened warriors.
Ragnar takes an arrow to the knee from one of them, whereupon he abruptly becomes a city guard and strikes you down for{n}assaulting the citizens of the city.

=== end_of_content @eb5ce2bb
#| {bad}Aktuell endet die Reise hier. Schau mit dem nächsten Update rein!
#| ~
#| {bad}Drücke eine beliebige Taste um fortzufahren!
#| {normal}
#| ~
{bad}For now, the journey ends here. Check back with the next update!
~
{bad}Press any key to continue!
{normal}
~
