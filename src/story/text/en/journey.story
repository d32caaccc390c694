# Chapter "Journey": on to the city with Ragnar, with the bard Bittersport, or
# alone by night.

# --- With Ragnar ------------------------------------------------------------

# The options stay golden: the typed number and the first line of any answer
# are golden too.
=== with_ragnar @442945d2
#| Gemeinsam mit Ragnar setzt du die Reise fort. {speech}Wir sind fast da,{normal} sagt er mit einem fröhlichen Lächeln zu dir, doch selbst nach einer Nacht Ruhe sieht man auch ihm die Erschöpfung deutlich an.
#| ~
#| ~
#| {option 1 >} Über den Drachenangriff reden
#| {option 2 >} Ihn über das Orakel ausfragen
#| {option 3 >} Schweigen
Together with Ragnar, you continue on your way. {speech}We are almost there,{normal} he tells you with a cheerful smile, but even after a night's rest the exhaustion is plain on his face too.
~
~
{option 1 >} Talk about the dragon attack
{option 2 >} Ask him about the Oracle
{option 3 >} Stay silent

=== talk_about_dragon @51791574
#| Ragnar seufzt. Das Thema ist ihm sichtlich unangenehm.
#| {speech}Ich denke lieber nicht daran zurück. Ich bin dem Biest nur knapp entkommen und dachte, ich wäre der Einzige, der es lebend vom Karren geschafft hat.
#| Umso mehr freut es mich, dass Ihr es auch geschafft habt, {name}. Aber seit hundert Jahren hat niemand mehr einen Drachen gesehen. Das ist seltsam.
#| {normal}Er seufzt erneut und blickt nachdenklich in die Ferne.
#| {speech}Vielleicht weiß das Orakel auch darauf eine Antwort. Aber jetzt lasst uns weitergehen.
Ragnar sighs. The subject clearly makes him uneasy.
{speech}I would rather not think back on it. I barely escaped the beast, and I believed I was the only one who made it off the cart alive.
All the more does it gladden me that you made it too, {name}. But no one has seen a dragon in a hundred years. It is strange.
{normal}He sighs again and gazes thoughtfully into the distance.
{speech}Perhaps the Oracle has an answer to that as well. But now, let us press on.

=== ask_about_oracle @60332d48
#| Als du ihn nach dem Orakel fragst, wird Ragnar nachdenklich.
#| {speech}Viel weiß ich nicht darüber. Man sagt, es sei eine Frau, die mit den Göttern spricht. Alles Weitere werden wir erfahren, wenn wir dort sind.
When you ask him about the Oracle, Ragnar grows thoughtful.
{speech}I know little of it. They say it is a woman who speaks with the gods. The rest we shall learn when we get there.

=== ragnar_picks_up_the_pace @cff9e32a
#| {normal}Ragnar zieht das Tempo an. Es ist anstrengend, aber du hältst mit, denn auch du hast es eilig, die Stadt zu erreichen.
#| ~
#| ~
{normal}Ragnar picks up the pace. It's hard going, but you keep up, because you're in a hurry to reach the city too.
~
~

=== stay_silent @3a67aea4
#| Schweigend folgst du Ragnar, der sich ebenfalls still auf den Weg konzentriert.
You follow Ragnar in silence; he, too, keeps his mind quietly on the road.

# In whatever colour the answer left.
=== wound_still_hurts @5fade526
#| Die Wunde an deinem Bein schmerzt noch immer, doch du beklagst dich nicht und konzentrierst dich aufs Gehen.
The wound in your leg still hurts, but you don't complain and focus on putting one foot in front of the other.

# --- With the bard ----------------------------------------------------------

# The tales are not golden, though every one of them leads on.
=== with_the_bard @748f00e1
#| Die Reise mit Bittersport ist anstrengend, denn der Barde redet und singt ohne Pause. Und wenn er gerade nicht singt, löchert er dich mit Fragen über deine angeblichen Abenteuer als Hulgor.
#| Trotzdem ist dir seine Gesellschaft lieber, als allein zu reisen, denn er kennt den Weg in die Stadt, und du nicht.
#| Also erfindest du munter Geschichten über all das, was du angeblich erlebt hast.
#| ~
#| ~
#| {option 1 on} Erzähle eine Geschichte, wie du einen Drachen getötet hast
#| {option 2 on} Erzähle von einem Abenteuer mit einem Troll
#| {option 3 on} Erzähle von einer Schlacht gegen Blutelfen
Traveling with Bittersport is exhausting, because the bard talks and sings without pause. And when he isn't singing, he pesters you with questions about your supposed adventures as Hulgor.
Still, you prefer his company to traveling alone, because he knows the way to the city, and you don't.
So you cheerfully make up stories about all the things you have supposedly lived through.
~
~
{option 1 on} Tell the tale of how you slew a dragon
{option 2 on} Tell of an adventure with a troll
{option 3 on} Tell of a battle against blood elves

=== tale_of_the_dragon @5bf5ee60
#| Du erzählst von einem epischen Kampf gegen einen Drachen, wobei dir dein letzter Durchgang eines Fantasy-Videospiels gute Dienste leistet.
#| {speech}Es war in einer Stadt in der Wüste, als plötzlich eine Bestie, so groß wie drei Häuser, herangeflogen kam und angriff.
#| Ihre Augen glühten rot wie Kohlen, und die Menschen flohen in Panik und schrien: {‚}Ein Drache! Ein Drache!{‘}
#| Selbst die Wachen fürchteten sich. Nur ich stand ganz ruhig da, mit einer mächtigen Axt in der Hand, und befahl dem Drachen, zu verschwinden.
#| Doch der Drache wollte nicht hören und griff an. Da spaltete ich ihm mit einem einzigen Hieb den Schädel.
You tell of an epic battle against a dragon, and your last playthrough of a fantasy video game comes in very handy.
{speech}It was in a city in the desert, when all of a sudden a beast as big as three houses came flying in and attacked.
Its eyes glowed red as coals, and the people fled in panic, crying: {‚}A dragon! A dragon!{‘}
Even the guards were afraid. Only I stood there, perfectly calm, a mighty axe in my hand, and bade the dragon begone.
But the dragon would not listen and attacked. So I split its skull with a single blow.

=== tale_of_the_troll @92127768
#| {speech}Einst jagte ich in einem gewaltigen Gebirge einen bösen Troll, der ein nahes Dorf in Angst und Schrecken versetzte.
#| Der Kampf in seiner Höhle dauerte zwei Tage und zwei Nächte, bis die Bestie endlich erschlagen war.
{speech}Once, in a vast mountain range, I hunted a wicked troll that held a nearby village in fear and terror.
The battle in its cave lasted two days and two nights, until at last the beast lay slain.

=== tale_of_the_blood_elves @700f9c17
#| {speech}Im Krieg gegen die Blutelfen habe ich ganz allein mehr als hundert von ihnen erschlagen. Seitdem hassen sie mich bis aufs Blut.
{speech}In the war against the blood elves, I slew more than a hundred of them single-handed. There has been bad blood between us ever since.

=== bard_believes_you @0d613de1
#| {normal}\
#| ~
#| ~
#| Der Barde hängt gebannt an deinen Lippen und scheint dir jedes Wort zu glauben.
#| {speech}Ihr seid wahrhaftig ein Held! {normal}ruft er, und du atmest erleichtert auf, weil er dir deine haarsträubenden Geschichten tatsächlich abkauft.
#| {speech}Darüber muss ich unbedingt ein Heldenlied schreiben, {normal}sagt der Barde vergnügt.
#| Endlich verstummt er für eine Weile, und du genießt beinahe die Stille der hereinbrechenden Nacht.
#| ~
#| ~
#| Nach einiger Zeit erblickst du in der Ferne die Mauern einer Stadt und seufzt erleichtert. Vielleicht findest du dort Antworten.
{normal}\
~
~
The bard hangs on your every word and seems to believe all of it.
{speech}You are truly a hero! {normal}he cries, and you breathe a sigh of relief, because he is actually buying your hair-raising tales.
{speech}I simply must write a heroic ballad about this, {normal}says the bard, delighted.
At last he falls silent for a while, and you almost enjoy the quiet of the falling night.
~
~
Some time later you spot the walls of a city in the distance and sigh with relief. Perhaps you'll find answers there.

# --- Alone ------------------------------------------------------------------

=== walking_alone @9deeb8a2
#| Du bist schon eine ganze Weile unterwegs. Die Straße wirkt einsam und verlassen.
#| Du folgst ihr einfach, allein mit deinen Gedanken, und fragst dich, wie du hierhergekommen bist und wo dieses Hier überhaupt ist.
#| Eine beinahe bedrückende Stille umgibt dich.
#| Die Nacht ist dunkel, doch der Mond scheint hier so hell, dass du auch ohne Fackel den Weg erkennst.
#| ~
#| ~
#| Du verlierst jedes Gefühl für die Zeit, bis endlich eine steinerne Mauer in Sicht kommt, erhellt vom fahlen Schein der unzähligen Fackeln der Stadt.
#| Endlich, denkst du, und beschleunigst deine Schritte für das letzte Stück.
You've been walking for quite a while now. The road lies lonely and deserted.
You simply follow it, alone with your thoughts, wondering how you got here, and where exactly here is.
An almost oppressive silence surrounds you.
The night is dark, but the moon shines so brightly here that you can make out the way even without a torch.
~
~
You lose all sense of time, until at last a stone wall comes into view, lit by the pale glow of the city's countless torches.
Finally, you think, and quicken your pace for the last stretch.
