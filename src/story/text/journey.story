# Chapter "Reise": on to the city with Ragnar, with the bard Bittersport, or
# alone by night.
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

# --- With Ragnar ------------------------------------------------------------

# The options stay golden: the typed number and the first line of any answer
# are golden too.
=== with_ragnar
Gemeinsam mit Ragnar setzt du die Reise fort. {speech}Wir sind fast da,{normal} sagt er mit einem fröhlichen Lächeln zu dir, doch selbst nach einer Nacht Ruhe sieht man auch ihm die Erschöpfung deutlich an.
~
~
{option 1 >} Über den Drachenangriff reden
{option 2 >} Ihn über das Orakel ausfragen
{option 3 >} Schweigen

=== talk_about_dragon
Ragnar seufzt. Das Thema ist ihm sichtlich unangenehm.
{speech}Ich denke lieber nicht daran zurück. Ich bin dem Biest nur knapp entkommen und dachte, ich wäre der Einzige, der es lebend vom Karren geschafft hat.
Umso mehr freut es mich, dass Ihr es auch geschafft habt, {name}. Aber seit hundert Jahren hat niemand mehr einen Drachen gesehen. Das ist seltsam.
{normal}Er seufzt erneut und blickt nachdenklich in die Ferne.
{speech}Vielleicht weiß das Orakel auch darauf eine Antwort. Aber jetzt lasst uns weitergehen.

=== ask_about_oracle
Als du ihn nach dem Orakel fragst, wird Ragnar nachdenklich.
{speech}Viel weiß ich nicht darüber. Man sagt, es sei eine Frau, die mit den Göttern spricht. Alles Weitere werden wir erfahren, wenn wir dort sind.

=== ragnar_picks_up_the_pace
{normal}Ragnar zieht das Tempo an. Es ist anstrengend, aber du hältst mit, denn auch du hast es eilig, die Stadt zu erreichen.
~
~

=== stay_silent
Schweigend folgst du Ragnar, der sich ebenfalls still auf den Weg konzentriert.

# In whatever colour the answer left.
=== wound_still_hurts
Die Wunde an deinem Bein schmerzt noch immer, doch du beklagst dich nicht und konzentrierst dich aufs Gehen.

# --- With the bard ----------------------------------------------------------

# The tales are not golden, though every one of them leads on.
=== with_the_bard
Die Reise mit Bittersport ist anstrengend, denn der Barde redet und singt ohne Pause. Und wenn er gerade nicht singt, löchert er dich mit Fragen über deine angeblichen Abenteuer als Hulgor.
Trotzdem ist dir seine Gesellschaft lieber, als allein zu reisen, denn er kennt den Weg in die Stadt, und du nicht.
Also erfindest du munter Geschichten über all das, was du angeblich erlebt hast.
~
~
{option 1 on} Erzähle eine Geschichte, wie du einen Drachen getötet hast
{option 2 on} Erzähle von einem Abenteuer mit einem Troll
{option 3 on} Erzähle von einer Schlacht gegen Blutelfen

=== tale_of_the_dragon
Du erzählst von einem epischen Kampf gegen einen Drachen, wobei dir dein letzter Durchgang eines Fantasy-Videospiels gute Dienste leistet.
{speech}Es war in einer Stadt in der Wüste, als plötzlich eine Bestie, so groß wie drei Häuser, herangeflogen kam und angriff.
Ihre Augen glühten rot wie Kohlen, und die Menschen flohen in Panik und schrien: {‚}Ein Drache! Ein Drache!{‘}
Selbst die Wachen fürchteten sich. Nur ich stand ganz ruhig da, mit einer mächtigen Axt in der Hand, und befahl dem Drachen, zu verschwinden.
Doch der Drache wollte nicht hören und griff an. Da spaltete ich ihm mit einem einzigen Hieb den Schädel.

=== tale_of_the_troll
{speech}Einst jagte ich in einem gewaltigen Gebirge einen bösen Troll, der ein nahes Dorf in Angst und Schrecken versetzte.
Der Kampf in seiner Höhle dauerte zwei Tage und zwei Nächte, bis die Bestie endlich erschlagen war.

=== tale_of_the_blood_elves
{speech}Im Krieg gegen die Blutelfen habe ich ganz allein mehr als hundert von ihnen erschlagen. Seitdem hassen sie mich bis aufs Blut.

=== bard_believes_you
{normal}\
~
~
Der Barde hängt gebannt an deinen Lippen und scheint dir jedes Wort zu glauben.
{speech}Ihr seid wahrhaftig ein Held! {normal}ruft er, und du atmest erleichtert auf, weil er dir deine haarsträubenden Geschichten tatsächlich abkauft.
{speech}Darüber muss ich unbedingt ein Heldenlied schreiben, {normal}sagt der Barde vergnügt.
Endlich verstummt er für eine Weile, und du genießt beinahe die Stille der hereinbrechenden Nacht.
~
~
Nach einiger Zeit erblickst du in der Ferne die Mauern einer Stadt und seufzt erleichtert. Vielleicht findest du dort Antworten.

# --- Alone ------------------------------------------------------------------

=== walking_alone
Du bist schon eine ganze Weile unterwegs. Die Straße wirkt einsam und verlassen.
Du folgst ihr einfach, allein mit deinen Gedanken, und fragst dich, wie du hierhergekommen bist und wo dieses Hier überhaupt ist.
Eine beinahe bedrückende Stille umgibt dich.
Die Nacht ist dunkel, doch der Mond scheint hier so hell, dass du auch ohne Fackel den Weg erkennst.
~
~
Du verlierst jedes Gefühl für die Zeit, bis endlich eine steinerne Mauer in Sicht kommt, erhellt vom fahlen Schein der unzähligen Fackeln der Stadt.
Endlich, denkst du, und beschleunigst deine Schritte für das letzte Stück.
