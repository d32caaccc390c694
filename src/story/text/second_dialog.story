# Chapter "zweiter Dialog": Ragnar, the great Hulgor and the dragon.
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

=== ragnar_and_hulgor
{speech}
~
Ich bin übrigens Ragnar. Und wie heißt Ihr?
{normal} Unerwartet bricht der Wikinger das Schweigen.
Noch bevor du antworten kannst, mischt sich einer der anderen Gefangenen ein.
{speech}Seid Ihr blind, Ragnar? Das ist doch eindeutig Hulgor, der berühmte Barbarenheld!
{normal}Ragnar wendet sich mit hochgezogener Augenbraue dem anderen Mann zu.
{speech}Unsinn! Hulgor ist zwei Meter groß und ein wahrer Berg von einem Mann.
{normal}Dann dreht er sich wieder zu dir um: {speech}Nichts für ungut, aber Ihr seid doch eher ein Hänfling.
{normal}
~

# Shown again after every wrong entry.
=== claim_or_deny
Am liebsten würdest du empört widersprechen, doch insgeheim weißt du, dass Ragnar nicht ganz unrecht hat.
Schließlich hast du jahrelang für ein Fitnessstudio bezahlt, ohne je einen Fuß hineinzusetzen.
Noch immer verwirrt fragst du dich, warum der andere Mann dich für Hulgor hält.
Du überlegst, was du antworten sollst.
Einerseits hast du keine Ahnung, wer dieser Hulgor überhaupt ist. Aber für einen Helden gehalten zu werden, beeindruckt dich irgendwie.
Andererseits könnte sich Ehrlichkeit auszahlen.
~
~
{option 1 >} Behaupten, dass du tatsächlich Hulgor bist
{option 2 >} Sagen, dass du nicht Hulgor bist
~
{quit} Beenden

=== claim_to_be_hulgor
{normal}Du bemühst dich, so eindrucksvoll und selbstsicher wie möglich zu wirken, als du sprichst: {speech}Ganz recht, ich bin Hulgor, der gefürchtete...
~
~
{normal}\

=== deny_being_hulgor
Du schüttelst den Kopf und sagst kleinlaut: {speech}Nein, ich bin nicht Hulgor. Ich bin nur ein ganz gewöhnlicher...
{normal}\

=== dragon_attack
Weiter kommst du nicht. Plötzlich erschallt ein gewaltiges Brüllen, laut wie ein Donnerschlag.
Die Gefangenen werden kreidebleich, und das Pferd, das den Karren zieht, wiehert panisch auf.
{speech}Mögen die Götter uns beistehen...{normal} sagt Ragnar bleich, die nackte Todesangst in den Augen.
~
Du willst gerade nervös fragen, was das war, als sich die Antwort schon von selbst zeigt.
Schlagartig verdunkelt sich der Himmel, als sich zwei riesige Flügel über die schneebedeckten Berge erheben.
Du blickst nach oben und traust deinen Augen nicht: Vier Beine, zwei Flügel. Das ist ein Drache, ganz eindeutig ein Drache.
{speech}WYVERN!
{normal} brüllt Ragnar.
{normal}Ein anderer Gefangener widerspricht empört: {speech}Nein, das ist ein DRACHE, Ihr ungebildeter Hohl...{normal} Weiter kommt der besserwisserische Gefangene nicht.
Der Drache fegt im Tiefflug über den Karren hinweg und reißt ihm den Kopf ab.
Mit einem weiteren Brüllen nimmt die Bestie erneut Kurs auf den Karren. Der Soldat auf dem Kutschbock peitscht auf das Pferd ein, doch das arme Tier hat keine Chance.
Direkt vor dem Karren kracht der Drache zu Boden.
Die Erde bebt, und der Karren kippt um. Du schlägst hart auf dem Boden auf und verlierst das Bewusstsein.
~
~
