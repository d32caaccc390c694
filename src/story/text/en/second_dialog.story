# Chapter "Second Dialog": Ragnar, the great Hulgor and the dragon.

=== ragnar_and_hulgor @7e2bad39
#| {speech}
#| ~
#| Ich bin übrigens Ragnar. Und wie heißt Ihr?
#| {normal} Unerwartet bricht der Wikinger das Schweigen.
#| Noch bevor du antworten kannst, mischt sich einer der anderen Gefangenen ein.
#| {speech}Seid Ihr blind, Ragnar? Das ist doch eindeutig Hulgor, der berühmte Barbarenheld!
#| {normal}Ragnar wendet sich mit hochgezogener Augenbraue dem anderen Mann zu.
#| {speech}Unsinn! Hulgor ist zwei Meter groß und ein wahrer Berg von einem Mann.
#| {normal}Dann dreht er sich wieder zu dir um: {speech}Nichts für ungut, aber Ihr seid doch eher ein Hänfling.
#| {normal}
#| ~
{speech}
~
I am Ragnar, by the way. And what might your name be?
{normal} Out of nowhere, the Viking breaks the silence.
Before you can answer, one of the other prisoners cuts in.
{speech}Are you blind, Ragnar? That is plainly Hulgor, the famous barbarian hero!
{normal}Ragnar turns to the other man with one eyebrow raised.
{speech}Nonsense! Hulgor stands near seven feet tall and is a veritable mountain of a man.
{normal}Then he turns back to you: {speech}No offense meant, but you are rather on the scrawny side.
{normal}
~

# Shown again after every wrong entry.
=== claim_or_deny @e941fe6b
#| Am liebsten würdest du empört widersprechen, doch insgeheim weißt du, dass Ragnar nicht ganz unrecht hat.
#| Schließlich hast du jahrelang für ein Fitnessstudio bezahlt, ohne je einen Fuß hineinzusetzen.
#| Noch immer verwirrt fragst du dich, warum der andere Mann dich für Hulgor hält.
#| Du überlegst, was du antworten sollst.
#| Einerseits hast du keine Ahnung, wer dieser Hulgor überhaupt ist. Aber für einen Helden gehalten zu werden, beeindruckt dich irgendwie.
#| Andererseits könnte sich Ehrlichkeit auszahlen.
#| ~
#| ~
#| {option 1 >} Behaupten, dass du tatsächlich Hulgor bist
#| {option 2 >} Sagen, dass du nicht Hulgor bist
#| ~
#| {quit} Beenden
You'd love to protest indignantly, but deep down you know Ragnar isn't entirely wrong.
After all, you paid for a gym membership for years without ever setting foot inside.
Still confused, you wonder why the other man takes you for Hulgor.
You think about what to say.
On the one hand, you have no idea who this Hulgor even is. But being taken for a hero does impress you, somehow.
On the other hand, honesty might pay off.
~
~
{option 1 >} Claim that you really are Hulgor
{option 2 >} Say that you're not Hulgor
~
{quit} Quit

=== claim_to_be_hulgor @cec3e8c2
#| {normal}Du bemühst dich, so eindrucksvoll und selbstsicher wie möglich zu wirken, als du sprichst: {speech}Ganz recht, ich bin Hulgor, der gefürchtete...
#| ~
#| ~
#| {normal}\
{normal}You do your best to look as imposing and self-assured as you can as you speak: {speech}Quite right, I am Hulgor, the dreaded...
~
~
{normal}\

=== deny_being_hulgor @a3595ada
#| Du schüttelst den Kopf und sagst kleinlaut: {speech}Nein, ich bin nicht Hulgor. Ich bin nur ein ganz gewöhnlicher...
#| {normal}\
You shake your head and say meekly: {speech}No, I am not Hulgor. I am just a perfectly ordinary...
{normal}\

=== dragon_attack @33c14360
#| Weiter kommst du nicht. Plötzlich erschallt ein gewaltiges Brüllen, laut wie ein Donnerschlag.
#| Die Gefangenen werden kreidebleich, und das Pferd, das den Karren zieht, wiehert panisch auf.
#| {speech}Mögen die Götter uns beistehen...{normal} sagt Ragnar bleich, die nackte Todesangst in den Augen.
#| ~
#| Du willst gerade nervös fragen, was das war, als sich die Antwort schon von selbst zeigt.
#| Schlagartig verdunkelt sich der Himmel, als sich zwei riesige Flügel über die schneebedeckten Berge erheben.
#| Du blickst nach oben und traust deinen Augen nicht: Vier Beine, zwei Flügel. Das ist ein Drache, ganz eindeutig ein Drache.
#| {speech}WYVERN!
#| {normal} brüllt Ragnar.
#| {normal}Ein anderer Gefangener widerspricht empört: {speech}Nein, das ist ein DRACHE, Ihr ungebildeter Hohl...{normal} Weiter kommt der besserwisserische Gefangene nicht.
#| Der Drache fegt im Tiefflug über den Karren hinweg und reißt ihm den Kopf ab.
#| Mit einem weiteren Brüllen nimmt die Bestie erneut Kurs auf den Karren. Der Soldat auf dem Kutschbock peitscht auf das Pferd ein, doch das arme Tier hat keine Chance.
#| Direkt vor dem Karren kracht der Drache zu Boden.
#| Die Erde bebt, und der Karren kippt um. Du schlägst hart auf dem Boden auf und verlierst das Bewusstsein.
#| ~
#| ~
You get no further. Suddenly a tremendous roar rings out, loud as a thunderclap.
The prisoners turn white as chalk, and the horse pulling the cart whinnies in panic.
{speech}May the gods stand by us...{normal} says Ragnar, ashen, naked terror in his eyes.
~
You're just about to ask nervously what that was when the answer shows itself.
All at once the sky goes dark as two enormous wings rise above the snow-capped mountains.
You look up and can't believe your eyes: four legs, two wings. That's a dragon, quite clearly a dragon.
{speech}WYVERN!
{normal} roars Ragnar.
{normal}Another prisoner objects indignantly: {speech}No, that is a DRAGON, you ignorant dunderh...{normal} The know-it-all prisoner gets no further.
The dragon sweeps low over the cart and tears his head off.
With another roar, the beast turns back toward the cart. The soldier on the driver's bench lashes at the horse, but the poor animal doesn't stand a chance.
The dragon crashes to the ground right in front of the cart.
The earth shakes, and the cart tips over. You hit the ground hard and lose consciousness.
~
~
